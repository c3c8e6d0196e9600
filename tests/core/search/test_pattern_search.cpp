#include "core/search/pattern_search.h"
#include "core/wordlist/record_reader.h"
#include "support/found_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tovrel::FindOutcome;
using Lines = std::vector<std::string>;

// A capital, a hyphen (skipped as in a grid), an accented letter, an empty record.
const std::string kList =
    "cat\r\ncot\r\ncut\r\ncoat\r\nCat\r\nc-at\r\nscat\r\nbiology\r\nology\r\ncaf\xE9\r\ncafe\r\na\r\n\r\n";

tovrel::PatternOptions typed(std::u32string pattern) {
    tovrel::PatternOptions options;
    options.pattern = std::move(pattern);
    return options;
}

struct PatternCase {
    const char* name;
    std::u32string pattern;
    Lines lines;
};

void PrintTo(const PatternCase& c, std::ostream* out) {
    *out << c.name;
}

const PatternCase kCases[] = {
    {"question_mark_is_one_letter", U"c?t", {"cat", "cot", "cut", "Cat", "c-at"}},
    {"full_stop_too", U"c.t", {"cat", "cot", "cut", "Cat", "c-at"}},
    {"capitals_typed", U"C?T", {"cat", "cot", "cut", "Cat", "c-at"}},
    {"leading_star", U"*ology", {"biology", "ology"}},
    {"star_between", U"c*t", {"cat", "cot", "cut", "coat", "Cat", "c-at"}},
    {"stars_around", U"*a*", {"cat", "coat", "Cat", "c-at", "scat", "caf\xC3\xA9", "cafe", "a"}},
    {"stars_side_by_side", U"**t", {"cat", "cot", "cut", "coat", "Cat", "c-at", "scat"}},
    {"star_for_no_letter", U"scat*", {"scat"}},
    {"question_mark_for_an_accented_letter", U"caf?", {"caf\xC3\xA9", "cafe"}},
    {"plain_letter_is_not_the_accented_one", U"cafe", {"cafe"}},
    {"accented_letter_typed", U"CAF\u00C9", {"caf\xC3\xA9"}},
    {"whole_word", U"?", {"a"}},
    {"any_word_with_a_letter",
     U"*?",
     {"cat", "cot", "cut", "coat", "Cat", "c-at", "scat", "biology", "ology", "caf\xC3\xA9", "cafe", "a"}},
    {"blanks_ignored", U"c a t", {"cat", "Cat", "c-at"}},
    {"question_marks_and_star", U"?o*t", {"cot", "coat"}},
    {"longer_than_every_word", U"????????", {}},
    {"a_hundred_thousand_stars", std::u32string(100000, U'*') + U"ology", {"biology", "ology"}},
};

class PatternSearch : public testing::TestWithParam<PatternCase> {};

TEST_P(PatternSearch, ListsTheFittingEntriesInListOrder) {
    FoundLines found;
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findPattern(typed(GetParam().pattern), list, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Done);
    EXPECT_EQ(found.lines, GetParam().lines);
    EXPECT_EQ(outcome.count, GetParam().lines.size());

    tovrel::RecordReader again(kList);
    EXPECT_EQ(tovrel::findPattern(typed(GetParam().pattern), again, nullptr).count, GetParam().lines.size());
}

INSTANTIATE_TEST_SUITE_P(Patterns, PatternSearch, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PatternSearchStop, SinkStopsItBeforeTheListEnds) {
    FoundLines found(1);
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findPattern(typed(U"c?t"), list, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Stopped);
    EXPECT_EQ(found.lines, Lines{"cat"});
    EXPECT_FALSE(list.atEnd());
}

// A UTF-8 list, its encoding found out; accents folded or not.
struct EncodingCase {
    const char* name;
    std::u32string pattern;
    bool foldAccents;
    Lines lines;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

const EncodingCase kEncodingCases[] = {
    {"any_letter_for_an_accented_one", U"caf?", false, {"caf\xC3\xA9", "cafe"}},
    {"accented_letter_typed", U"*\u00C9", false, {"caf\xC3\xA9", "\xC3\xA9t\xC3\xA9"}},
    {"folded_accents", U"cafe", true, {"caf\xC3\xA9", "cafe", "cafe\xCC\x81"}},
    {"letter_beyond_latin1",
     U"\u0160?",
     false,
     {"\xC5\xA1"
      "a"}},
};

class PatternSearchEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(PatternSearchEncodings, FindAndHandOutInUtf8) {
    tovrel::PatternOptions options = typed(GetParam().pattern);
    options.reading.encoding.reset();
    options.reading.foldAccents = GetParam().foldAccents;
    tovrel::RecordReader list("caf\xC3\xA9\ncafe\ncafe\xCC\x81\n\xC3\xA9t\xC3\xA9\n\xC5\xA1\n\xC5\xA1"
                              "a\n");
    FoundLines found;
    const FindOutcome outcome = tovrel::findPattern(options, list, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Done) << outcome.message;
    EXPECT_EQ(found.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lists, PatternSearchEncodings, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

class PatternBadInput : public testing::TestWithParam<std::pair<std::u32string, std::string>> {};

TEST_P(PatternBadInput, IsRefusedWithOneLine) {
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findPattern(typed(GetParam().first), list, nullptr);
    EXPECT_EQ(outcome.status, FindOutcome::Status::BadInput);
    EXPECT_EQ(outcome.message, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Refused, PatternBadInput,
                         testing::Values(std::pair{U"", "the pattern is empty"},
                                         std::pair{U"   ", "the pattern is empty"},
                                         std::pair{U"*", "a pattern of only '*' would list every word"},
                                         std::pair{U"* *", "a pattern of only '*' would list every word"},
                                         std::pair{U"c1t", "'1' in the pattern is not a letter"},
                                         std::pair{U"c-t", "'-' in the pattern is not a letter"}));

} // namespace
