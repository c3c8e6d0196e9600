#pragma once

#include "support/run_program.h"

#include <string>
#include <vector>

// Runs the built tovrel2-find.
inline ProgramRun runFind(const std::vector<std::string>& arguments, const std::string& input = "",
                          const std::string& outputPath = "") {
    return runProgram(TOVREL_FIND_PROGRAM, arguments, input, outputPath);
}

inline std::string firstLine(const std::string& text) {
    return text.substr(0, text.find('\n'));
}
