#include "cli/find_command.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct DefaultListCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
};

void PrintTo(const DefaultListCase& c, std::ostream* out) {
    *out << c.name;
}

// Without --dictionary the command searches the program's list followed by the
// user's added words; a list named on the command line is searched alone.
const DefaultListCase kCases[] = {
    {"added_words_follow_the_list", {"complete", "ealpes"}, "asleep, elapse, \n"},
    {"added_words_counted", {"--count", "complete", "ealpes"}, "2\n"},
    {"a_named_list_alone", {"--dictionary", "SHIPPED", "complete", "ealpes"}, "asleep, \n"},
};

class DefaultList : public testing::TestWithParam<DefaultListCase> {};

TEST_P(DefaultList, SearchesTheListWithTheUsersAddedWords) {
    ScratchFolder folder;
    const std::string shipped = folder.write("dictionary.txt", "asleep\r\nLaelaps\r\n");
    const std::string added = folder.write("added-words.txt", "\"elapse\"\r\n");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments)
        if (argument == "SHIPPED")
            argument = shipped;
    std::ostringstream out, err;
    EXPECT_EQ(tovrel::runFindCommand(arguments, tovrel::WordList(shipped, added), out, err), 0) << err.str();
    EXPECT_EQ(out.str(), GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(FindCommand, DefaultList, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
