#include "ui/framework/indented_text.h"

std::string joinIndentedLines(std::initializer_list<IndentedLine> lines) {
    std::string text;
    for (const IndentedLine& line : lines)
        text.append(line.tabs, '\t').append(line.text).append("\r\n");
    return text;
}
