#include "cli/find_command.h"

#include <climits>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The list searched when no --dictionary is given: the one beside the program.
std::string defaultDictionary() {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0)
        return "dictionary.txt";
    std::string program(path, static_cast<std::size_t>(length));
    return program.substr(0, program.rfind('/') + 1) + "dictionary.txt";
}

} // namespace

int main(int argc, char** argv) {
    return tovrel::cli::runFindCommand(std::vector<std::string>(argv + 1, argv + argc), defaultDictionary());
}
