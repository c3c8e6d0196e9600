#include "cli/find_command.h"
#include "core/wordlist/word_list.h"
#include "core/wordlist/word_list_location.h"

#include <string>
#include <vector>

int main(int argc, char** argv) {
    return tovrel::cli::runFindCommand(std::vector<std::string>(argv + 1, argv + argc),
                                       tovrel::locateWordList());
}
