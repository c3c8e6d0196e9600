#include "cli/find_program.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Latin-1, with a word that holds a comma, one that holds a double quote and
// one that starts with a hyphen.
const std::string kList = "asleep\r\nLaelaps\r\naa\r\ncaf\xE9\r\n\"ab,ba\"\r\nab\"ba\r\n-ab\r\n";

struct FindCase {
    const char* name;
    std::vector<std::string> arguments; // "{list}" stands for the fixture's path
    int status;
    std::string out;
    std::string err;      // standard error's first line
    bool tryHelp = false; // a usage mistake: "Try 'tovrel2-find --help'." follows
    bool outStartsWith = false;
};

void PrintTo(const FindCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kTry = "Try 'tovrel2-find --help'.";
const std::string kModes = "(complete, extended, partial, extended-partial, phrase, tiles, pattern)";

const FindCase kCases[] = {
    {"complete", {"-d", "{list}", "complete", "ealpes"}, 0, "asleep\n", ""},
    {"extended_keeps_capitals_as_read", {"-d", "{list}", "extended", "ealpes"}, 0, "asleep\nLaelaps\n", ""},
    {"partial", {"-d", "{list}", "partial", "ealpes"}, 0, "asleep\naa\n", ""},
    {"extended_partial_lower_cases",
     {"-d", "{list}", "extended-partial", "ealpes"},
     0,
     "asleep\nlaelaps\n",
     ""},
    {"count", {"--count", "-d", "{list}", "partial", "ealpes"}, 0, "2\n", ""},
    {"options_after_the_mode_and_word", {"partial", "ealpes", "-c", "--dictionary={list}"}, 0, "2\n", ""},
    {"no_match_prints_nothing", {"-d", "{list}", "complete", "zzz"}, 1, "", ""},
    {"no_match_count", {"-c", "-d", "{list}", "complete", "zzz"}, 1, "0\n", ""},
    {"no_match_box_says_sorry",
     {"--format", "box", "-d", "{list}", "complete", "zzz"},
     1,
     "Sorry No anagrams with those words\n",
     ""},

    {"lines_with_comma_and_quote", {"-d", "{list}", "extended", "ab"}, 0, "ab,ba\nab\"ba\n-ab\n", ""},
    {"box_with_comma_and_quote",
     {"--format=box", "-d", "{list}", "extended", "ab"},
     0,
     "ab,ba, ab\"ba, -ab, \n",
     ""},
    {"null_with_comma_and_quote",
     {"-0", "-d", "{list}", "extended", "ab"},
     0,
     std::string("ab,ba\0ab\"ba\0-ab\0", 16),
     ""},
    {"json_with_comma_and_quote",
     {"--json", "-d", "{list}", "extended", "ab"},
     0,
     R"({"mode":"extended","word":"ab","count":3,"words":["ab,ba","ab\"ba","-ab"]})"
     "\n",
     ""},
    {"json_count",
     {"--json", "-c", "-d", "{list}", "extended", "ab"},
     0,
     R"({"mode":"extended","word":"ab","count":3})"
     "\n",
     ""},
    {"json_no_match",
     {"--json", "-d", "{list}", "complete", "zzz"},
     1,
     R"({"mode":"complete","word":"zzz","count":0,"words":[]})"
     "\n",
     ""},

    {"latin1_record_printed_as_utf8", {"-d", "{list}", "partial", "caf\xC3\xA9"}, 0, "aa\ncaf\xC3\xA9\n", ""},
    {"accented_letters_are_letters",
     {"-d", "{list}", "complete",
      "\xC3\x89"
      "FAC"},
     0,
     "caf\xC3\xA9\n",
     ""},
    {"word_starting_with_a_hyphen", {"-d", "{list}", "extended", "-ba"}, 0, "ab,ba\nab\"ba\n-ab\n", ""},
    {"hyphen_word_after_double_dash", {"-d", "{list}", "partial", "--", "-ab"}, 0, "aa\n-ab\n", ""},
    {"hyphen_word_that_reads_as_an_option",
     {"-d", "{list}", "partial", "-c"},
     2,
     "",
     "tovrel2-find: give a word after the mode",
     true},

    {"empty_word", {"-d", "{list}", "complete", ""}, 2, "", "tovrel2-find: Please Enter The Word First"},
    {"symbols_refused",
     {"-d", "{list}", "complete", "ab1"},
     2,
     "",
     "tovrel2-find: Please check the word you entered. No symbols allowed"},
    {"word_not_utf8",
     {"-d", "{list}", "partial", "ab\xFF"},
     2,
     "",
     "tovrel2-find: the word is not valid UTF-8"},
    {"unknown_mode", {"complet", "ealpes"}, 2, "", "tovrel2-find: unknown mode 'complet' " + kModes, true},
    {"no_mode", {}, 2, "", "tovrel2-find: give a mode " + kModes, true},
    {"no_word", {"complete"}, 2, "", "tovrel2-find: give a word after the mode", true},
    {"two_words",
     {"complete", "ab", "cd"},
     2,
     "",
     "tovrel2-find: one word only: 'cd' is one too many (quote a word with blanks)",
     true},
    {"unknown_long_option",
     {"--fast", "complete", "a"},
     2,
     "",
     "tovrel2-find: unknown option '--fast'",
     true},
    {"unknown_short_option", {"-x", "complete", "a"}, 2, "", "tovrel2-find: unknown option '-x'", true},
    {"dictionary_without_value",
     {"complete", "a", "--dictionary"},
     2,
     "",
     "tovrel2-find: option '--dictionary' needs a value",
     true},
    {"short_dictionary_without_value",
     {"complete", "a", "-d"},
     2,
     "",
     "tovrel2-find: option '-d' needs a value",
     true},
    {"value_for_a_flag",
     {"--count=3", "complete", "a"},
     2,
     "",
     "tovrel2-find: option '--count' takes no value",
     true},
    {"unknown_format",
     {"--format", "xml", "complete", "a"},
     2,
     "",
     "tovrel2-find: unknown format 'xml' (lines, null, box, json)",
     true},
    {"unknown_encoding",
     {"--encoding", "ebcdic", "complete", "a"},
     2,
     "",
     "tovrel2-find: unknown encoding 'ebcdic' (utf-8, latin-1, auto)",
     true},
    {"batch_with_a_word",
     {"--batch", "complete", "a"},
     2,
     "",
     "tovrel2-find: --batch reads the words from standard input, not from the command line",
     true},
    {"batch_with_the_list_on_standard_input",
     {"--batch", "-d", "-", "complete"},
     2,
     "",
     "tovrel2-find: --batch reads the words from standard input, so the list cannot come from there too",
     true},
    {"missing_list",
     {"-d", "/nonexistent/list.txt", "complete", "a"},
     2,
     "",
     "tovrel2-find: /nonexistent/list.txt: No such file or directory"},
    {"folder_as_list", {"-d", "/", "complete", "a"}, 2, "", "tovrel2-find: /: it is a folder, not a file"},
    {"version", {"--version"}, 0, "tovrel2-find " TOVREL_VERSION "\n", ""},
    {"short_version", {"-V"}, 0, "tovrel2-find " TOVREL_VERSION "\n", ""},
    {"help", {"-h"}, 0, "Usage: tovrel2-find [OPTIONS] MODE WORD\n", "", false, true},
};

class FindCommand : public testing::TestWithParam<FindCase> {};

TEST_P(FindCommand, PrintsStatusOutputAndError) {
    ScratchFolder folder;
    const std::string list = folder.write("list.txt", kList);
    std::vector<std::string> arguments = GetParam().arguments;
    for (std::string& argument : arguments)
        for (std::size_t at; (at = argument.find("{list}")) != std::string::npos;)
            argument.replace(at, 6, list);

    const ProgramRun run = runFind(arguments);
    EXPECT_EQ(run.status, GetParam().status);
    if (GetParam().outStartsWith)
        EXPECT_EQ(run.out.substr(0, GetParam().out.size()), GetParam().out);
    else
        EXPECT_EQ(run.out, GetParam().out);
    EXPECT_EQ(firstLine(run.err), GetParam().err);
    const std::size_t lines = static_cast<std::size_t>(std::count(run.err.begin(), run.err.end(), '\n'));
    EXPECT_EQ(lines, GetParam().err.empty() ? 0u : GetParam().tryHelp ? 2u : 1u) << run.err;
    if (GetParam().tryHelp) {
        EXPECT_EQ(run.err.substr(run.err.find('\n') + 1), kTry + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Arguments, FindCommand, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FindCommand, HelpNamesEveryModeOptionAndTheDoubleDash) {
    const std::string help = runFind({"--help"}).out;
    for (const char* text : {"complete", "extended", "partial", "extended-partial", "--dictionary", "--count",
                             "--null", "--json", "--format", "--batch", "--encoding", "--fold-accents",
                             "--version", "\"--\"", "Exit status"})
        EXPECT_NE(help.find(text), std::string::npos) << text;
}

TEST(FindCommand, WithoutADictionaryTheListBesideTheProgramIsSearched) {
    const ProgramRun run = runFind({"complete", "ealpes"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "asleep\nelapse\nplease\nsapele\n");
}

TEST(FindCommand, TheListCanComeFromStandardInput) {
    const ProgramRun run = runFind({"-d", "-", "complete", "ealpes"}, "please\r\nzebra\r\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "please\n");
}

// Nothing partial is reported as success: a full disk is a write error.
TEST(FindCommand, AFailedWriteIsAnError) {
    for (const std::vector<std::string>& arguments : {std::vector<std::string>{"complete", "ealpes"},
                                                      {"--json", "partial", "etaoinshrdlu"},
                                                      {"--help"}}) {
        const ProgramRun run = runFind(arguments, "", "/dev/full");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, "tovrel2-find: write error: No space left on device\n");
    }
}

// Each word of a batch prints, after its header line, what a call of its own
// prints; JSON gives an object a line. A word that its own call refuses is
// said on standard error instead, and blank lines are passed over.
TEST(FindCommand, ABatchPrintsWhatSingleCallsPrint) {
    ScratchFolder folder;
    const std::string list = folder.write("list.txt", kList);
    const std::vector<std::string> words = {"ealpes", "ab", "zzz", "caf\xC3\xA9", "ab1"};
    const std::string input = "ealpes\nab\r\n\nzzz\ncaf\xC3\xA9\n\r\nab1";
    for (const std::vector<std::string>& options :
         {std::vector<std::string>{}, {"--format", "box"}, {"--count"}, {"--json"}, {"-0"}}) {
        for (const char* mode : {"complete", "extended", "partial", "extended-partial"}) {
            std::vector<std::string> arguments = options;
            arguments.insert(arguments.end(), {"-d", list, mode});
            std::string expected, expectedErr;
            for (const std::string& word : words) {
                std::vector<std::string> single = arguments;
                single.push_back(word);
                const ProgramRun run = runFind(single);
                if (run.status == 2) {
                    expectedErr += "tovrel2-find: " + word + ": " + run.err.substr(14);
                    continue;
                }
                if (options != std::vector<std::string>{"--json"})
                    expected += word + ":" + (options == std::vector<std::string>{"-0"} ? '\0' : '\n');
                expected += run.out;
            }
            arguments.insert(arguments.begin(), "--batch");
            const ProgramRun batch = runFind(arguments, input);
            EXPECT_EQ(batch.out, expected) << mode;
            EXPECT_EQ(batch.err, expectedErr) << mode;
            EXPECT_EQ(batch.status, expectedErr.empty() ? 0 : 2) << mode;
        }
    }
}

TEST(FindCommand, ABatchOfWordsThatAllFitNothingExitsWithOne) {
    ScratchFolder folder;
    const std::string list = folder.write("list.txt", kList);
    const ProgramRun run = runFind({"--batch", "-d", list, "complete"}, "zzz\nqqq\n");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "zzz:\nqqq:\n");
}

// A UTF-8 list, with a word in capitals, a decomposed accent (e and U+0301)
// and one in the plain letters.
const std::string kUtf8List = "caf\xC3\xA9\nfac\xC3\xA9\n\xC3\x89"
                              "COLE\ncafe\ncafe\xCC\x81\nna\xC3\xAFve\n";

struct EncodingCase {
    const char* name;
    std::vector<std::string> arguments; // the list's path comes first
    std::string list;
    int status;
    std::string out;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

const EncodingCase kEncodingCases[] = {
    {"accented_letter_is_a_letter_of_its_own",
     {"complete", "\xC3\xA9"
                  "fac"},
     kUtf8List,
     0,
     "caf\xC3\xA9\nfac\xC3\xA9\n"},
    {"capital_accented_letters_fold",
     {"extended-partial", "\xC3\xA9"
                          "cole"},
     kUtf8List,
     0,
     "\xC3\xA9"
     "cole\n"},
    {"partial_keeps_records_as_read",
     {"partial", "\xC3\xA9"
                 "cole"},
     kUtf8List,
     1,
     ""},
    {"plain_letters_do_not_find_accents", {"complete", "efac"}, kUtf8List, 0, "cafe\n"},
    {"fold_accents",
     {"--fold-accents", "complete", "efac"},
     kUtf8List,
     0,
     "caf\xC3\xA9\nfac\xC3\xA9\ncafe\ncafe\xCC\x81\n"},
    {"fold_accents_extended", {"--fold-accents", "extended", "evian"}, kUtf8List, 0, "na\xC3\xAFve\n"},
    {"decomposed_accent_is_a_character", {"partial", "cafe\xCC\x81"}, kUtf8List, 0, "cafe\ncafe\xCC\x81\n"},
    {"forced_latin1_reads_bytes",
     {"--encoding", "latin-1", "complete",
      "\xC3\xA9"
      "fac"},
     kUtf8List,
     1,
     ""},
    // Detected as Latin-1: the UTF-8 "café" then reads as five Latin-1 characters.
    {"one_latin1_record_makes_a_latin1_list",
     {"complete", "\xC3\xA9t\xC3\xA9"},
     kUtf8List + "\xE9t\xE9\n",
     0,
     "\xC3\xA9t\xC3\xA9\n"},
    {"in_a_forced_utf8_list_a_latin1_record_reads_as_latin1",
     {"--encoding", "utf-8", "complete",
      "\xC3\xA9"
      "fac"},
     kUtf8List + "\xE9t\xE9\n",
     0,
     "caf\xC3\xA9\nfac\xC3\xA9\n"},
    {"letter_beyond_latin1_typed", {"complete", "\xC5\xA1"}, "\xC5\xA0\n", 0, "\xC5\xA1\n"},
    {"beyond_latin1_refused_in_a_latin1_list", {"complete", "\xC5\xA1"}, "\xE9\n", 2, ""},
};

class Encodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, AreReadAndPrintedAsUtf8) {
    ScratchFolder folder;
    std::vector<std::string> arguments = {"-d", folder.write("list.txt", GetParam().list)};
    arguments.insert(arguments.end(), GetParam().arguments.begin(), GetParam().arguments.end());
    const ProgramRun run = runFind(arguments);
    EXPECT_EQ(run.status, GetParam().status) << run.err;
    EXPECT_EQ(run.out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Lists, Encodings, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
