#include "core/search/commonness.h"
#include "core/search/phrase_search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"
#include "core/wordlist/word_list.h"
#include "support/commonness_index.h"
#include "support/found_lines.h"
#include "support/found_text.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

using tovrel::FindOutcome;
using tovrel::PhraseOptions;
using Lines = std::vector<std::string>;
using Status = FindOutcome::Status;

// A list where each rule shows: "at" and "ta" anagram each other and are
// common and rare; "at" stands twice; "Colt" and "colt" are two entries;
// "n-o" is an anagram of "no" once its hyphen is skipped; "née" has a letter
// of its own; "tac" and "n-o" are words the commonness file does not know.
// Every small letter of Latin-1 once.
const std::string kEveryLetter = "abcdefghijklmnopqrstuvwxyz\xDF"
                                 "\xE0\xE1\xE2\xE3\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF1"
                                 "\xF2\xF3\xF4\xF5\xF6\xF8\xF9\xFA\xFB\xFC\xFD\xFE\xFF";
const std::u32string kEveryLetterTyped =
    U"abcdefghijklmnopqrstuvwxyz\u00DF\u00E0\u00E1\u00E2\u00E3\u00E4\u00E5\u00E6\u00E7\u00E8\u00E9\u00EA"
    U"\u00EB\u00EC\u00ED\u00EE\u00EF\u00F0\u00F1\u00F2\u00F3\u00F4\u00F5\u00F6\u00F8\u00F9\u00FA\u00FB\u00FC"
    U"\u00FD\u00FE\u00FF";

const std::string kList = "act\r\nat\r\na\r\ncat\r\ntac\r\nta\r\ntact\r\nColt\r\ncolt\r\nclot\r\non\r\nno\r\n"
                          "n-o\r\nnot\r\nton\r\nat\r\nn\xE9"
                          "e\r\nabcdefghijklmnopqrstuvwxyz\r\n" +
                          kEveryLetter + "\r\n";
const std::string kCommonness = "# levels of the fixture list\n"
                                "level 10\nat\na\ncat\ntact\non\nno\nnot\n"
                                "level 20\nact\nton\n"
                                "level 35\ncolt\nclot\n"
                                "level 50\nColt\n"
                                "level 60\nta\n";

std::string inUtf8(std::string_view latin1) {
    std::string text;
    tovrel::appendLatin1AsUtf8(latin1, text);
    return text;
}

PhraseOptions phrase(std::u32string letters) {
    PhraseOptions options;
    options.phrase = std::move(letters);
    return options;
}

struct PhraseCase {
    const char* name;
    PhraseOptions options;
    Lines lines;
};

void PrintTo(const PhraseCase& c, std::ostream* out) {
    *out << c.name;
}

template <typename Change> PhraseOptions with(std::u32string letters, Change change) {
    PhraseOptions options = phrase(std::move(letters));
    change(options);
    return options;
}

const PhraseCase kCases[] = {
    // Fewer words first; then by the rarest word, then the next rarest; "tac" is unknown, so rarest.
    {"ranked_by_rarest_then_next_rarest",
     phrase(U"tacat"),
     {"cat at", "act at", "cat ta", "act ta", "tac at", "tac ta"}},
    {"blanks_and_capitals_of_the_phrase",
     phrase(U"Ta Cat"),
     {"cat at", "act at", "cat ta", "act ta", "tac at", "tac ta"}},
    // Unranked, the entries of an anagram class stand in list order.
    {"in_the_order_found",
     with(U"tacat", [](auto& o) { o.order = PhraseOptions::Order::List; }),
     {"act at", "act ta", "cat at", "cat ta", "tac at", "tac ta"}},
    // Same levels: the result whose shortest word is longer comes first.
    {"longer_shortest_word_first",
     with(U"tacat", [](auto& o) { o.minLength = 1; }),
     {"cat at", "tact a", "act at", "cat ta", "act ta", "tac at", "tac ta"}},
    {"anagrams_word_by_word_grouped", with(U"tacat", [](auto& o) { o.group = true; }), {"cat/act/tac at/ta"}},
    {"one_word_too_few", with(U"tacat", [](auto& o) { o.maxWords = 1; }), {}},
    {"a_word_used_twice_and_repeated_letters", phrase(U"atta"), {"at at", "at ta", "ta ta"}},
    {"grouped_word_used_twice", with(U"atta", [](auto& o) { o.group = true; }), {"at/ta at/ta"}},
    {"entry_standing_twice_is_one_entry", phrase(U"at"), {"at", "ta"}},
    {"capital_makes_another_entry", phrase(U"colt"), {"colt", "clot", "Colt"}},
    {"no_capitals", with(U"colt", [](auto& o) { o.noCapitals = true; }), {"colt", "clot"}},
    {"non_letters_of_an_entry_skipped", phrase(U"on"), {"on", "no", "n-o"}},
    {"accented_letter_is_its_own",
     phrase(U"N\u00C9E"),
     {"n\xC3\xA9"
      "e"}},
    {"plain_letter_is_not_the_accented_one", phrase(U"nee"), {}},
    {"include_printed_first",
     with(U"tacat", [](auto& o) { o.include = {U"ta"}; }),
     {"ta cat", "ta act", "ta tac"}},
    {"include_the_whole_phrase",
     with(U"tacat",
          [](auto& o) {
              o.include = {U"cat", U"at"};
          }),
     {"cat at"}},
    {"include_twice",
     with(U"atta",
          [](auto& o) {
              o.include = {U"ta", U"ta"};
          }),
     {"ta ta"}},
    {"include_no_entry", with(U"tacat", [](auto& o) { o.include = {U"cta"}; }), {}},
    {"include_letters_the_phrase_lacks", with(U"tacat", [](auto& o) { o.include = {U"on"}; }), {}},
    {"include_beyond_latin1", with(U"tacat", [](auto& o) { o.include = {U"\u20ACat"}; }), {}},
    {"include_counts_among_the_words",
     with(U"tacat",
          [](auto& o) {
              o.include = {U"at"};
              o.maxWords = 1;
          }),
     {}},
    {"include_and_exclude_the_same",
     with(U"tacat",
          [](auto& o) {
              o.include = {U"at"};
              o.exclude = {U"at"};
          }),
     {}},
    {"exclude",
     with(U"tacat",
          [](auto& o) {
              o.exclude = {U"act", U"no such word"};
          }),
     {"cat at", "cat ta", "tac at", "tac ta"}},
    {"limit_stops_at_once", with(U"tacat", [](auto& o) { o.limit = 2; }), {"cat at", "act at"}},
    {"limit_within_a_run_of_lines",
     with(U"tacat",
          [](auto& o) {
              o.limit = 3;
              o.order = PhraseOptions::Order::List;
          }),
     {"act at", "act ta", "cat at"}},
    // 78 letters need two words of packed counts, 116 letters of 58 kinds three.
    {"long_phrase",
     with(std::u32string(3, U' ') + U"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrstuvwxyz"
                                    U"abcdefghijklmnopqrstuvwxyz",
          [](auto& o) { o.minLength = 20; }),
     {"abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz abcdefghijklmnopqrstuvwxyz"}},
    {"longer_phrase_of_every_letter",
     with(kEveryLetterTyped + kEveryLetterTyped, [](auto& o) { o.minLength = 20; }),
     {inUtf8(kEveryLetter) + " " + inUtf8(kEveryLetter)}},
};

class PhraseSearch : public testing::TestWithParam<PhraseCase> {
protected:
    FindOutcome run(const PhraseOptions& options, tovrel::FoundSink* sink) {
        tovrel::RecordReader list(kList);
        return tovrel::findPhrases(options, list, &commonness_, sink);
    }
    void SetUp() override { commonness_.loadText(kCommonness, "fixture"); }

    tovrel::Commonness commonness_;
};

TEST_P(PhraseSearch, ListsTheResultsInOrder) {
    FoundLines found;
    const FindOutcome outcome = run(GetParam().options, &found);
    EXPECT_EQ(outcome.status, Status::Done) << outcome.message;
    EXPECT_EQ(found.lines, GetParam().lines);
    EXPECT_EQ(outcome.count, GetParam().lines.size());
}

TEST_P(PhraseSearch, CountsTheSame) {
    EXPECT_EQ(run(GetParam().options, nullptr).count, GetParam().lines.size());
}

// Ranking holds its records a range of keys at a time when they would pass
// the budget: with room for none (each key streamed), for a few records a
// range or for most of them, the order is the same.
TEST_P(PhraseSearch, RanksAlikeWithLessMemory) {
    for (const std::size_t budget : {1, 48, 400}) {
        PhraseOptions options = GetParam().options;
        options.rankingBudget = budget;
        FoundLines found;
        run(options, &found);
        EXPECT_EQ(found.lines, GetParam().lines) << budget << " bytes";
    }
}

// A sink that takes text gets the same lines, written by the search itself.
TEST_P(PhraseSearch, WritesTheSameLinesAsText) {
    FoundText found;
    const FindOutcome outcome = run(GetParam().options, &found);
    std::string expected;
    for (const std::string& line : GetParam().lines)
        expected += line + "\n";
    EXPECT_EQ(found.text, expected);
    EXPECT_EQ(outcome.count, GetParam().lines.size());
}

INSTANTIATE_TEST_SUITE_P(Rules, PhraseSearch, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Thousands of lines, over many rooms of text: the same as the words.
TEST(PhraseSearchText, ManyLinesAsText) {
    std::string list;
    for (const char a : std::string("abcdeNOP"))
        for (const char b : std::string("abcdeno"))
            list += std::string{a, b, '\n'};
    for (const bool group : {false, true})
        for (const auto order : {PhraseOptions::Order::Ranked, PhraseOptions::Order::List}) {
            PhraseOptions options = phrase(U"abcdeabcdenonoab");
            options.maxWords = 8;
            options.group = group;
            options.order = order;
            tovrel::Commonness commonness;
            commonness.loadText("level 10\nab\nan\nlevel 20\nbe\nNo\n", "fixture");
            FoundLines lines;
            FoundText text;
            tovrel::RecordReader forLines(list), forText(list);
            tovrel::findPhrases(options, forLines, &commonness, &lines);
            tovrel::findPhrases(options, forText, &commonness, &text);
            std::string expected;
            for (const std::string& line : lines.lines)
                expected += line + "\n";
            EXPECT_GT(lines.lines.size(), 1000u);
            EXPECT_TRUE(text.text == expected) << group;
        }
}

TEST(PhraseSearchStop, SinkStopsTheSearchAtOnce) {
    tovrel::RecordReader list(kList);
    FoundLines found(1);
    const FindOutcome outcome = tovrel::findPhrases(phrase(U"tacat"), list, nullptr, &found);
    EXPECT_EQ(outcome.status, Status::Stopped);
    EXPECT_EQ(found.lines.size(), 1u);
}

TEST(PhraseSearchCommonness, WithoutItEveryWordIsRarestAndListOrderDecides) {
    tovrel::RecordReader list(kList);
    FoundLines found;
    tovrel::findPhrases(phrase(U"tacat"), list, nullptr, &found);
    EXPECT_EQ(found.lines, (Lines{"act at", "act ta", "cat at", "cat ta", "tac at", "tac ta"}));
}

// A UTF-8 list: accented letters precomposed and with a combining accent
// (e and U+0301), a capital, and a letter beyond Latin-1.
const std::string kUtf8List = "caf\xC3\xA9\nfac\xC3\xA9\ncafe\ncafe\xCC\x81\n\xC3\x89T\xC3\x89\nt\xC3\xA9\n"
                              "\xC3\xA9\net\n\xC5\xA1\n";

struct EncodingCase {
    const char* name;
    PhraseOptions options;
    std::string list;
    Lines lines;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

template <typename Change> PhraseOptions read(std::u32string letters, Change change) {
    PhraseOptions options = phrase(std::move(letters));
    options.reading.encoding.reset(); // as the list shows itself
    change(options);
    return options;
}

const EncodingCase kEncodingCases[] = {
    {"accented_letter_is_its_own",
     read(U"\u00E9fac", [](auto&) {}),
     kUtf8List,
     {"caf\xC3\xA9", "fac\xC3\xA9"}},
    {"plain_letter_is_not_the_accented_one", read(U"efac", [](auto&) {}), kUtf8List, {"cafe"}},
    {"folded_accents",
     read(U"efac", [](auto& o) { o.reading.foldAccents = true; }),
     kUtf8List,
     {"caf\xC3\xA9", "fac\xC3\xA9", "cafe", "cafe\xCC\x81"}},
    {"folded_accents_typed",
     read(U"\u00C9FAC", [](auto& o) { o.reading.foldAccents = true; }),
     kUtf8List,
     {"caf\xC3\xA9", "fac\xC3\xA9", "cafe", "cafe\xCC\x81"}},
    {"capital_accented_letters",
     read(U"\u00E9t\u00E9", [](auto& o) { o.minLength = 1; }),
     kUtf8List,
     {"\xC3\x89T\xC3\x89", "t\xC3\xA9 \xC3\xA9"}},
    {"no_capitals",
     read(U"\u00E9t\u00E9",
          [](auto& o) {
              o.minLength = 1;
              o.noCapitals = true;
          }),
     kUtf8List,
     {"t\xC3\xA9 \xC3\xA9"}},
    {"letter_beyond_latin1", read(U"\u0160", [](auto& o) { o.minLength = 1; }), kUtf8List, {"\xC5\xA1"}},
    {"include_in_utf8",
     read(U"\u00E9t\u00E9", [](auto& o) { o.include = {U"\u00E9"}; }),
     kUtf8List,
     {"\xC3\xA9 t\xC3\xA9"}},
    {"folded_in_a_latin1_list",
     read(U"efac", [](auto& o) { o.reading.foldAccents = true; }),
     "caf\xE9\r\ncafe\r\n",
     {"caf\xC3\xA9", "cafe"}},
};

class PhraseSearchEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(PhraseSearchEncodings, FindAndHandOutInUtf8) {
    tovrel::RecordReader list(GetParam().list);
    FoundLines found;
    const FindOutcome outcome = tovrel::findPhrases(GetParam().options, list, nullptr, &found);
    EXPECT_EQ(outcome.status, Status::Done) << outcome.message;
    EXPECT_EQ(found.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lists, PhraseSearchEncodings, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The commonness file tells of the shipped list: a word the user added counts
// as the rarest, though the file knows one spelt the same.
TEST(PhraseSearchAddedWords, AreTheRarest) {
    ScratchFolder folder;
    const tovrel::WordList list(folder.write("dictionary.txt", "tac\r\nat\r\n"),
                                folder.write("added-words.txt", "\"cat\"\r\n"));
    tovrel::Commonness commonness;
    commonness.loadText("level 10\ncat\nat\nlevel 50\ntac\n", "fixture");
    FoundLines found;
    const FindOutcome outcome = tovrel::findPhrases(phrase(U"tacat"), list, &commonness, &found);
    EXPECT_EQ(outcome.status, Status::Done) << outcome.message;
    EXPECT_EQ(found.lines, (Lines{"tac at", "cat at"}));
}

struct BadInput {
    const char* name;
    PhraseOptions options;
    std::string message;
};

void PrintTo(const BadInput& c, std::ostream* out) {
    *out << c.name;
}

const BadInput kBadInputs[] = {
    {"empty_phrase", phrase(U""), "the phrase has no letters"},
    {"blanks_only", phrase(U"   "), "the phrase has no letters"},
    {"digit", phrase(U"ab1"), "'1' in the phrase is not a letter"},
    {"hyphen", phrase(U"a-b"), "'-' in the phrase is not a letter"},
    {"tab", phrase(U"a\tb"), "U+0009 in the phrase is not a letter"},
    {"multiplication_sign", phrase(U"a\u00D7b"), "'\xC3\x97' in the phrase is not a letter"},
    {"beyond_latin1", phrase(U"a\u20AC"), "'\xE2\x82\xAC' in the phrase is not a Latin-1 letter"},
    {"no_words", with(U"tacat", [](auto& o) { o.maxWords = 0; }),
     "the number of words must be from 1 to 16, not 0"},
    {"too_many_words", with(U"tacat", [](auto& o) { o.maxWords = 17; }),
     "the number of words must be from 1 to 16, not 17"},
    {"a_hundred_thousand_letters", phrase(std::u32string(100000, U'a')),
     "the phrase has 100000 letters; at most 128 are anagrammed"},
};

class PhraseBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(PhraseBadInput, IsRefusedWithOneLineBeforeReading) {
    tovrel::RecordReader list(kList);
    FoundLines found;
    const FindOutcome outcome = tovrel::findPhrases(GetParam().options, list, nullptr, &found);
    EXPECT_EQ(outcome.status, Status::BadInput);
    EXPECT_EQ(outcome.message, GetParam().message);
    EXPECT_TRUE(found.lines.empty());
    EXPECT_FALSE(list.atEnd());
}

INSTANTIATE_TEST_SUITE_P(Refused, PhraseBadInput, testing::ValuesIn(kBadInputs),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PhraseSearchFiles, MissingListIsNamed) {
    ScratchFolder folder;
    const FindOutcome outcome =
        tovrel::findPhrases(phrase(U"tacat"), tovrel::WordList(folder.file("none.txt")), nullptr, nullptr);
    EXPECT_EQ(outcome.status, Status::Unreadable);
    EXPECT_EQ(outcome.message,
              "cannot read the word list " + folder.file("none.txt") + ": No such file or directory");
}

// A damaged index fails the search, named; the results before it stay.
TEST(PhraseSearchFiles, DamagedCommonnessIndexIsNamed) {
    ScratchFolder folder;
    std::string index = commonnessIndex(kCommonness);
    std::fill(index.begin() + 12, index.end(), '\xFF'); // every bucket ends beyond the file
    const std::string path = folder.write("commonness.index", index);
    tovrel::Commonness commonness;
    ASSERT_FALSE(commonness.load(path));
    tovrel::RecordReader list(kList);
    FoundLines found;
    const FindOutcome outcome = tovrel::findPhrases(phrase(U"tacat"), list, &commonness, &found);
    EXPECT_EQ(outcome.status, Status::Unreadable);
    EXPECT_EQ(outcome.message, "cannot read the commonness index " + path + ": it is damaged");
}

} // namespace
