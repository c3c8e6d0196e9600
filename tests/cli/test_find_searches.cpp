// The phrase, tiles and pattern searches of tovrel2-find, run as a user runs
// them: a copy of the program in a folder with a word list and a commonness
// index of its own beside it, as an install has them.

#include "cli/find_program.h"
#include "support/commonness_index.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// Latin-1, where each rule shows: "at" and "ta" anagram each other and are
// common and rare; "at" stands twice; "Colt" and "colt" are two entries; "n-o"
// is "no" once its hyphen is skipped; "née" has a letter of its own; "tac"
// is a word the commonness index does not know.
const std::string kList = "act\r\nat\r\na\r\ncat\r\ntac\r\nta\r\ntact\r\nColt\r\ncolt\r\nclot\r\non\r\nno\r\n"
                          "n-o\r\nnot\r\nton\r\nat\r\nn\xE9"
                          "e\r\n";
const std::string kCommonness = "# levels of the fixture list\n"
                                "level 10\nat\na\ncat\ntact\non\nno\nnot\n"
                                "level 20\nact\nton\n"
                                "level 35\ncolt\nclot\n"
                                "level 50\nColt\n"
                                "level 60\nta\n";

// The program, with the fixture list and commonness index beside it.
class InstalledProgram {
public:
    InstalledProgram() {
        std::filesystem::copy_file(TOVREL_FIND_PROGRAM, folder_.file("tovrel2-find"));
        folder_.write("dictionary.txt", kList);
        folder_.write("commonness.index", commonnessIndex(kCommonness));
    }
    ProgramRun run(const std::vector<std::string>& arguments, const std::string& input = "") const {
        return runProgram(folder_.file("tovrel2-find"), arguments, input);
    }
    const ScratchFolder& folder() const { return folder_; }

private:
    ScratchFolder folder_;
};

struct SearchCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err = ""; // standard error's first line
    bool tryHelp = false; // a usage mistake: "Try 'tovrel2-find --help'." follows
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kRanked = "cat at\nact at\ncat ta\nact ta\ntac at\ntac ta\n";
const std::string kFourSearches = "complete, extended, partial and extended-partial";

const SearchCase kCases[] = {
    // Fewer words first; then by the rarest word, then the next rarest; "tac" is unknown, so rarest.
    {"phrase_ranked", {"phrase", "tacat"}, 0, kRanked},
    {"phrase_of_several_arguments", {"phrase", "Ta", "Cat"}, 0, kRanked},
    {"phrase_in_the_order_found",
     {"--order", "list", "phrase", "tacat"},
     0,
     "act at\nact ta\ncat at\ncat ta\ntac at\ntac ta\n"},
    // Results of four words and more run to millions: by default they come as found, after the ranked ones.
    {"four_words_as_found_by_default",
     {"--min-length", "1", "--max-words", "4", "phrase", "tacatata"},
     0,
     "tact at a a\ntact ta a a\ncat at at a\ncat at ta a\ncat ta ta a\nact at at a\nact at ta a\nact ta ta "
     "a\n"
     "tac at at a\ntac at ta a\ntac ta ta a\n"},
    {"four_words_ranked_when_asked",
     {"--order", "ranked", "--min-length", "1", "--max-words", "4", "phrase", "tacatata"},
     0,
     "tact at a a\ncat at at a\nact at at a\ntact ta a a\ncat at ta a\nact at ta a\ncat ta ta a\nact ta ta "
     "a\n"
     "tac at at a\ntac at ta a\ntac ta ta a\n"},
    {"longer_shortest_word_first",
     {"--min-length", "1", "phrase", "tacat"},
     0,
     "cat at\ntact a\nact at\ncat ta\nact ta\ntac at\ntac ta\n"},
    {"grouped", {"--group", "phrase", "tacat"}, 0, "cat/act/tac at/ta\n"},
    {"word_used_twice", {"phrase", "atta"}, 0, "at at\nat ta\nta ta\n"},
    {"capital_makes_another_entry", {"phrase", "colt"}, 0, "colt\nclot\nColt\n"},
    {"no_capitals", {"--no-capitals", "phrase", "colt"}, 0, "colt\nclot\n"},
    {"letters_of_an_entry_only", {"phrase", "on"}, 0, "on\nno\nn-o\n"},
    {"accented_letter_printed_in_utf8",
     {"phrase", "N\xC3\x89"
                "E"},
     0,
     "n\xC3\xA9"
     "e\n"},
    {"plain_letter_is_not_the_accented_one", {"phrase", "nee"}, 1, ""},
    {"accents_folded",
     {"--fold-accents", "phrase", "nee"},
     0,
     "n\xC3\xA9"
     "e\n"},
    {"include", {"--include", "ta", "phrase", "tacat"}, 0, "ta cat\nta act\nta tac\n"},
    {"include_twice", {"--include=ta", "--include=ta", "phrase", "atta"}, 0, "ta ta\n"},
    {"include_whose_letters_the_phrase_lacks", {"--include", "on", "phrase", "tacat"}, 1, ""},
    {"include_no_entry", {"--include", "cta", "phrase", "tacat"}, 1, ""},
    {"exclude",
     {"--exclude", "act", "--exclude", "no such", "phrase", "tacat"},
     0,
     "cat at\ncat ta\ntac at\ntac ta\n"},
    {"limit", {"--limit", "2", "phrase", "tacat"}, 0, "cat at\nact at\n"},
    {"limit_beyond_the_results", {"--limit", "100", "phrase", "tacat"}, 0, kRanked},
    {"too_few_words", {"--max-words", "1", "phrase", "tacat"}, 1, ""},
    {"count", {"--count", "phrase", "tacat"}, 0, "6\n"},
    {"count_of_none", {"-c", "phrase", "zzz"}, 1, "0\n"},
    {"null", {"-0", "--limit", "2", "phrase", "tacat"}, 0, std::string("cat at\0act at\0", 14)},
    {"json_lines",
     {"--json", "--limit", "2", "phrase", "tacat"},
     0,
     "{\"words\":[\"cat\",\"at\"]}\n{\"words\":[\"act\",\"at\"]}\n"},
    {"json_grouped",
     {"--json", "--group", "phrase", "tacat"},
     0,
     "{\"words\":[[\"cat\",\"act\",\"tac\"],[\"at\",\"ta\"]]}\n"},
    {"json_count",
     {"--json", "--count", "phrase", "tacat"},
     0,
     "{\"mode\":\"phrase\",\"word\":\"tacat\",\"count\":6}\n"},
    {"another_list", {"-d", "{other}", "phrase", "tacat"}, 0, "tac at\n"},
    {"list_from_standard_input", {"-d", "-", "phrase", "tacat"}, 0, "tac at\n"},

    {"tiles_longest_then_commonest", {"tiles", "tac"}, 0, "cat\nact\ntac\nat\nta\n"},
    {"tiles_with_a_blank", {"--min-length", "1", "tiles", "t?"}, 0, "at\nta\na\n"},
    {"tiles_count", {"-c", "tiles", "tac"}, 0, "5\n"},
    {"tiles_json", {"--json", "--min-length", "4", "tiles", "tact"}, 0, "{\"word\":\"tact\"}\n"},
    {"tiles_none", {"tiles", "zz"}, 1, ""},

    {"pattern", {"pattern", "c?t"}, 0, "cat\n"},
    {"pattern_leading_star", {"pattern", "*ot"}, 0, "clot\nnot\n"},
    {"pattern_skips_a_hyphen", {"pattern", "n."}, 0, "no\nn-o\n"},
    {"pattern_null", {"-0", "pattern", "*ot"}, 0, std::string("clot\0not\0", 9)},
    {"pattern_json", {"--json", "pattern", "c?t"}, 0, "{\"word\":\"cat\"}\n"},
    {"pattern_none", {"pattern", "x*"}, 1, ""},

    {"empty_phrase", {"phrase", ""}, 2, "", "tovrel2-find: the phrase has no letters"},
    {"blanks_only", {"phrase", "   "}, 2, "", "tovrel2-find: the phrase has no letters"},
    {"digit", {"phrase", "ab1"}, 2, "", "tovrel2-find: '1' in the phrase is not a letter"},
    {"symbol", {"phrase", "a&b"}, 2, "", "tovrel2-find: '&' in the phrase is not a letter"},
    {"beyond_latin1",
     {"phrase", "a\xE2\x82\xAC"},
     2,
     "",
     "tovrel2-find: '\xE2\x82\xAC' in the phrase is not a Latin-1 letter"},
    {"phrase_not_utf8", {"phrase", "ab\xFF"}, 2, "", "tovrel2-find: the phrase is not valid UTF-8"},
    {"a_hundred_thousand_letters",
     {"phrase", std::string(100000, 'a')},
     2,
     "",
     "tovrel2-find: the phrase has 100000 letters; at most 128 are anagrammed"},
    {"no_words",
     {"--max-words", "0", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--max-words' takes a number from 1 to 16, not '0'",
     true},
    {"words_not_a_number",
     {"--max-words=three", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--max-words' takes a number from 1 to 16, not 'three'",
     true},
    {"too_many_words",
     {"--max-words", "17", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--max-words' takes a number from 1 to 16, not '17'",
     true},
    {"length_not_a_number",
     {"--min-length", "-1", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--min-length' takes a number, not '-1'",
     true},
    {"no_limit",
     {"--limit", "0", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--limit' takes a number from 1 up, not '0'",
     true},
    {"limit_too_large",
     {"--limit", "99999999999999999999999", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: option '--limit' takes a number from 1 up, not '99999999999999999999999'",
     true},
    {"unknown_order",
     {"--order", "random", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: unknown order 'random' (ranked, list)",
     true},
    {"include_not_utf8",
     {"--include", "a\xFF", "phrase", "tacat"},
     2,
     "",
     "tovrel2-find: the word of option '--include' is not valid UTF-8",
     true},
    {"option_of_another_mode",
     {"--max-words", "2", "tiles", "tac"},
     2,
     "",
     "tovrel2-find: option '--max-words' is for phrase only",
     true},
    {"length_for_a_pattern",
     {"--min-length", "2", "pattern", "c?t"},
     2,
     "",
     "tovrel2-find: option '--min-length' is for phrase and tiles only",
     true},
    {"group_for_an_anagram",
     {"--group", "complete", "tac"},
     2,
     "",
     "tovrel2-find: option '--group' is for phrase only",
     true},
    {"batch_for_a_phrase",
     {"--batch", "phrase"},
     2,
     "",
     "tovrel2-find: option '--batch' is for " + kFourSearches + " only",
     true},
    {"box_for_tiles",
     {"--format", "box", "tiles", "tac"},
     2,
     "",
     "tovrel2-find: format 'box' is for " + kFourSearches + " only",
     true},
    {"no_tiles", {"tiles", " "}, 2, "", "tovrel2-find: there are no tiles"},
    {"star_tile", {"tiles", "t*"}, 2, "", "tovrel2-find: '*' in the tiles is not a letter"},
    {"empty_pattern", {"pattern", ""}, 2, "", "tovrel2-find: the pattern is empty"},
    {"pattern_of_only_stars",
     {"pattern", "**"},
     2,
     "",
     "tovrel2-find: a pattern of only '*' would list every word"},
    {"missing_list",
     {"-d", "/nonexistent/list.txt", "pattern", "c?t"},
     2,
     "",
     "tovrel2-find: /nonexistent/list.txt: No such file or directory"},
};

class FindSearches : public testing::TestWithParam<SearchCase> {
protected:
    static void SetUpTestSuite() { program_ = new InstalledProgram; }
    static void TearDownTestSuite() {
        delete program_;
        program_ = nullptr;
    }
    static InstalledProgram* program_;
};

InstalledProgram* FindSearches::program_ = nullptr;

TEST_P(FindSearches, PrintStatusOutputAndError) {
    const std::string other = program_->folder().write("other.txt", "tac\nat\n");
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments)
        if (argument == "{other}")
            argument = other;
    const bool fromInput = std::find(arguments.begin(), arguments.end(), "-") != arguments.end();
    const ProgramRun run = program_->run(arguments, fromInput ? "tac\nat\n" : "");
    EXPECT_EQ(run.status, GetParam().status);
    EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(firstLine(run.err), GetParam().err);
    const std::size_t lines = static_cast<std::size_t>(std::count(run.err.begin(), run.err.end(), '\n'));
    EXPECT_EQ(lines, GetParam().err.empty() ? 0u : GetParam().tryHelp ? 2u : 1u) << run.err;
}

INSTANTIATE_TEST_SUITE_P(Arguments, FindSearches, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Without the commonness index the words are not ranked by it, which is said;
// a file that is no index is trouble, named.
TEST(FindSearchesCommonness, MissingIsAWarningAndAFaultIsTrouble) {
    InstalledProgram program;
    const std::string commonness = program.folder().file("commonness.index");
    std::filesystem::remove(commonness);
    ProgramRun run = program.run({"phrase", "tacat"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "act at\nact ta\ncat at\ncat ta\ntac at\ntac ta\n");
    EXPECT_EQ(run.err, "tovrel2-find: " + commonness +
                           ": No such file or directory; words are not ranked by how common they are\n");

    program.folder().write("commonness.index", kCommonness);
    run = program.run({"tiles", "tac"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tovrel2-find: cannot read the commonness index " + commonness +
                           ": it is not a commonness index\n");

    // Only ranking reads it.
    run = program.run({"--order", "list", "phrase", "tacat"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
}

// Runs the program with its standard output into a pipe whose reader goes
// after the first few lines; gives its wait status.
int statusWhenTheReaderGoes(const std::string& program, const std::vector<std::string>& arguments,
                            bool pipeSignalIgnored) {
    int ends[2];
    if (::pipe(ends) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::signal(SIGPIPE, pipeSignalIgnored ? SIG_IGN : SIG_DFL);
        ::dup2(ends[1], STDOUT_FILENO);
        ::dup2(ends[1], STDERR_FILENO);
        ::close(ends[0]);
        ::close(ends[1]);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    ::close(ends[1]);
    char some[4096];
    const bool read = ::read(ends[0], some, sizeof some) > 0;
    ::close(ends[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    return read ? status : -1;
}

// A search of more results than anyone reads ends at once at its limit, or
// when its reader goes: neither of these runs would end for hours otherwise.
TEST(FindSearchesStop, AtTheLimitAndWhenTheReaderGoes) {
    InstalledProgram program;
    std::string list;
    for (char a = 'a'; a <= 'z'; ++a)
        for (char b = 'a'; b <= 'z'; ++b)
            list += std::string{a, b, '\n'};
    const std::vector<std::string> search = {
        "-d",     program.folder().write("lots.txt", list), "--order", "list", "--max-words", "16",
        "phrase", "abcdefghijklmnopqrstuvwxyzabcdef"};

    std::vector<std::string> limited = search;
    limited.insert(limited.begin(), {"--limit", "3"});
    const ProgramRun run = program.run(limited);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);

    // Ended by the signal of a closed pipe, as any command in a pipeline is;
    // where that signal is ignored, by the failed write.
    const std::string path = program.folder().file("tovrel2-find");
    int status = statusWhenTheReaderGoes(path, search, false);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) << status;
    status = statusWhenTheReaderGoes(path, search, true);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 2) << status;
}

} // namespace
