#pragma once

#include "core/wordlist/word_list.h"

#include <string>
#include <vector>

namespace tovrel::cli {

// tovrel2-find [OPTIONS] MODE WORD: reads its words and lists from standard
// input or files, prints to standard output, says what went wrong on
// standard error, and gives the exit status (see exit_status.h).
int runFindCommand(const std::vector<std::string>& arguments, const WordList& defaultList);

} // namespace tovrel::cli
