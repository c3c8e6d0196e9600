#pragma once

#include "core/wordlist/word_list.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel::cli {

class Output;
struct Invocation;

// What a mode's search needs around it.
struct CommandContext {
    Output& out;
    // Searched when no --dictionary is given: the program's list and the user's added words.
    WordList defaultList;
    // One line on standard error: "tovrel2-find: " and the message.
    std::function<void(const std::string&)> complain;
};

// A mode of tovrel2-find: its name on the command line, a line for --help,
// and the function that runs it and gives the exit status.
struct FindMode {
    std::string_view name;
    const char* summary;
    std::function<int(const Invocation&, CommandContext&)> run;
    bool phraseOfWords = false; // the words after the mode make one phrase
};

// Every mode, in the order --help lists them.
const std::vector<FindMode>& findModes();
const FindMode* findMode(std::string_view name);

} // namespace tovrel::cli
