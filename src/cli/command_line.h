#pragma once

#include "cli/invocation.h"

#include <string>
#include <vector>

namespace tovrel::cli {

// The invocation, or the one line that says what is wrong with the arguments.
struct ParsedCommandLine {
    Invocation invocation;
    std::string mistake; // empty when the arguments are fine
};

// tovrel2-find [OPTIONS] MODE WORD, options before or after the mode, "--"
// ending them. A word right after the mode that starts with "-" is taken as
// the word when it is no option ("-ba"); one that reads as an option ("-c")
// needs "--" before it.
ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments);

std::string usageText();

} // namespace tovrel::cli
