#include "cli/find_command.h"
#include "core/wordlist/word_list_location.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = tovrel::runFindCommand(arguments, tovrel::locateWordList(), std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : 1;
}
