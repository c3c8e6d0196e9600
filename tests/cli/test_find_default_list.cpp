#include "cli/find_command.h"
#include "support/commonness_index.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {

// Runs the command in this process with standard output going to a file, and
// gives back its status and what it printed.
std::pair<int, std::string> runWithDefaultList(std::vector<std::string> arguments,
                                               const tovrel::WordList& list, const ScratchFolder& folder) {
    const std::string out = folder.file("out");
    const int file = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    const int standardOutput = ::dup(STDOUT_FILENO);
    ::dup2(file, STDOUT_FILENO);
    const int status = tovrel::cli::runFindCommand(arguments, list);
    ::dup2(standardOutput, STDOUT_FILENO);
    ::close(standardOutput);
    ::close(file);
    return {status, ScratchFolder::read(out)};
}

struct DefaultListCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string out;
};

void PrintTo(const DefaultListCase& c, std::ostream* out) {
    *out << c.name;
}

// Without --dictionary the command searches the program's list followed by the
// user's added words; a list named on the command line is searched alone. The
// commonness index beside the list knows "elapse" as common, but it tells of
// the list, not of the words a user added: an added word ranks as the rarest.
const DefaultListCase kCases[] = {
    {"added_words_follow_the_list", {"complete", "ealpes"}, "asleep\nelapse\n"},
    {"added_words_counted", {"--count", "complete", "ealpes"}, "2\n"},
    {"a_named_list_alone", {"--dictionary", "SHIPPED", "complete", "ealpes"}, "asleep\n"},
    {"added_word_ranks_as_rarest_in_a_phrase", {"phrase", "ealpes"}, "asleep\nelapse\n"},
    {"added_word_ranks_as_rarest_in_tiles", {"tiles", "ealpes"}, "asleep\nelapse\n"},
    {"added_words_fit_a_pattern", {"pattern", "*se"}, "elapse\n"},
};

class DefaultList : public testing::TestWithParam<DefaultListCase> {};

TEST_P(DefaultList, SearchesTheListWithTheUsersAddedWords) {
    const ScratchFolder folder;
    const std::string shipped = folder.write("dictionary.txt", "asleep\r\nLaelaps\r\n");
    const std::string added = folder.write("added-words.txt", "\"elapse\"\r\n");
    folder.write("commonness.index", commonnessIndex("level 10\nelapse\nlevel 35\nasleep\n"));
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments)
        if (argument == "SHIPPED")
            argument = shipped;
    const auto [status, out] = runWithDefaultList(arguments, tovrel::WordList(shipped, added), folder);
    EXPECT_EQ(status, 0);
    EXPECT_EQ(out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(FindCommand, DefaultList, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
