#pragma once

#include <initializer_list>
#include <string>

// One line of a fixed text of the Example and Help windows: the tabs that
// indent it and the 8-bit text after them.
struct IndentedLine {
    int tabs;
    const char* text;
};

// The lines joined as the text boxes hold them, each ending in CR LF.
std::string joinIndentedLines(std::initializer_list<IndentedLine> lines);
