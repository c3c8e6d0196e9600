#include "cli/find_command.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct FindCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string errStart; // the beginning of what goes to standard error
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << c.name;
}

const FindCase kCases[] = {
    {"complete", {"complete", "ealpes"}, 0, "asleep, \n", ""},
    {"extended_keeps_capitals_as_read", {"extended", "ealpes"}, 0, "asleep, Laelaps, \n", ""},
    {"partial", {"partial", "ealpes"}, 0, "asleep, aa, \n", ""},
    {"extended_partial_lower_cases", {"extended-partial", "ealpes"}, 0, "asleep, laelaps, \n", ""},
    {"count_only", {"--count", "partial", "ealpes"}, 0, "2\n", ""},
    {"no_result_text", {"complete", "zzz"}, 0, "Sorry No anagrams with those words\n", ""},
    {"count_of_no_result", {"--count", "complete", "zzz"}, 0, "0\n", ""},
    {"utf8_word_and_latin1_record",
     {"complete", "\xC3\xA9t\xC3\xA9"},
     2,
     "",
     "Please check the word you entered. No symbols allowed"},
    {"latin1_record_printed_as_utf8", {"partial", "caf\xC3\xA9"}, 0, "aa, caf\xC3\xA9, \n", ""},
    {"empty_word", {"complete", ""}, 2, "", "Please Enter The Word First"},
    {"symbols_refused", {"complete", "ab1"}, 2, "", "Please check the word you entered. No symbols allowed"},
    {"unknown_mode", {"sideways", "ealpes"}, 2, "", "tovrel2-find: unknown mode sideways"},
    {"missing_word", {"complete"}, 2, "", "tovrel2-find: give a MODE and a WORD"},
    {"unknown_option", {"--fast", "complete", "a"}, 2, "", "tovrel2-find: unknown option --fast"},
    {"word_after_double_dash", {"partial", "--", "-"}, 0, "Sorry No anagrams with those words\n", ""},
};

class FindCommand : public testing::TestWithParam<FindCase> {};

TEST_P(FindCommand, PrintsWhatTheResultsBoxWouldHold) {
    ScratchFolder folder;
    const std::string list = folder.write("dictionary.txt", "asleep\r\nLaelaps\r\naa\r\ncaf\xE9\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(tovrel::runFindCommand(GetParam().arguments, list, out, err), GetParam().status);
    EXPECT_EQ(out.str(), GetParam().out);
    EXPECT_EQ(err.str().substr(0, GetParam().errStart.size()), GetParam().errStart);
    EXPECT_EQ(err.str().empty(), GetParam().errStart.empty());
}

INSTANTIATE_TEST_SUITE_P(Arguments, FindCommand, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindCommand, AnUnreadableListExitsWithOneAndNamesTheFile) {
    ScratchFolder folder;
    const std::string missing = folder.file("nowhere/dictionary.txt");
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"complete", "ealpes"}, {"--dictionary", missing, "complete", "ealpes"}}) {
        std::ostringstream out, err;
        EXPECT_EQ(tovrel::runFindCommand(arguments, missing, out, err), 1);
        EXPECT_EQ(out.str(), "");
        EXPECT_NE(err.str().find(missing), std::string::npos);
    }
}

TEST(FindCommand, DictionaryOptionChoosesTheList) {
    ScratchFolder folder;
    const std::string other = folder.write("other.txt", "please\r\n");
    std::ostringstream out, err;
    EXPECT_EQ(
        tovrel::runFindCommand({"--dictionary=" + other, "complete", "ealpes"}, "/nonexistent", out, err), 0);
    EXPECT_EQ(out.str(), "please, \n");
}

TEST(FindCommand, HelpPrintsUsage) {
    std::ostringstream out, err;
    EXPECT_EQ(tovrel::runFindCommand({"--help"}, "", out, err), 0);
    EXPECT_EQ(out.str().rfind("Usage: tovrel2-find", 0), 0u);
}

} // namespace
