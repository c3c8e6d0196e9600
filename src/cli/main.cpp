#include "cli/find_command.h"

#include <climits>
#include <iostream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The word list lies beside the program.
std::string dictionaryBesideProgram() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "dictionary.txt";
    std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1) + "dictionary.txt";
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const int status = tovrel::runFindCommand(arguments, dictionaryBesideProgram(), std::cout, std::cerr);
    std::cout.flush();
    return std::cout ? status : 1;
}
