#include "core/game/scramble.h"
#include "support/scramble_by_reversals.h"

#include <gtest/gtest.h>

namespace {

struct Reversal {
    const char* name;
    std::u32string text;
    long long n;
    std::u32string reversed;
};

void PrintTo(const Reversal& c, std::ostream* out) {
    *out << c.name;
}

// The definition the scramble is held to gives the worked results itself.
const Reversal kReversals[] = {
    {"three_of_six", U"abcdef", 3, U"cbadef"},
    {"none", U"abcdef", 0, U"abcdef"},
    {"one", U"abcdef", 1, U"abcdef"},
    {"all", U"abcdef", 6, U"fedcba"},
    {"beyond_the_length", U"abcdef", 40, U"fedcba"},
    {"negative", U"abcdef", -2, U"abcdef"},
    {"empty_text", U"", 3, U""},
    {"character_beyond_16_bits", U"a\U0001F600b", 2, U"\U0001F600ab"},
};

class ReverseItDefinition : public testing::TestWithParam<Reversal> {};

TEST_P(ReverseItDefinition, ReversesThePrefix) {
    EXPECT_TRUE(ReverseIt(GetParam().text, GetParam().n) == GetParam().reversed);
}

INSTANTIATE_TEST_SUITE_P(Scramble, ReverseItDefinition, testing::ValuesIn(kReversals),
                         [](const auto& info) { return std::string(info.param.name); });

struct Worked {
    const char* name;
    std::u32string text;
    std::u32string scrambled;
};

void PrintTo(const Worked& c, std::ostream* out) {
    *out << c.name;
}

const Worked kWorked[] = {
    {"abcdef", U"abcdef", U"fdbace"},
    {"words", U"words", U"srwod"},
    {"listen", U"listen", U"ntilse"},
    {"capital_kept", U"Abc", U"cAb"},
    {"odd_length_seven", U"abcdefg", U"gecabdf"},
    {"one_character", U"a", U"a"},
    {"two_characters_swap", U"ab", U"ba"},
    {"blanks_are_characters", U"a b c", U"cba  "},
    {"empty", U"", U""},
};

class WorkedExamples : public testing::TestWithParam<Worked> {};

TEST_P(WorkedExamples, BothFormsGiveTheWorkedResult) {
    EXPECT_TRUE(tovrel::scramble(GetParam().text) == GetParam().scrambled);
    EXPECT_TRUE(scrambleByReversals(GetParam().text) == GetParam().scrambled);
}

INSTANTIATE_TEST_SUITE_P(Scramble, WorkedExamples, testing::ValuesIn(kWorked),
                         [](const auto& info) { return std::string(info.param.name); });

// Every character distinct, so that any misplaced one shows, at every length
// up to 400, of both parities.
TEST(Scramble, OnePassMatchesTheReversalsAtEveryLength) {
    std::u32string text;
    for (char32_t length = 0; length <= 400; ++length) {
        ASSERT_TRUE(tovrel::scramble(text) == scrambleByReversals(text)) << "length " << length;
        text += char32_t(0x100) + length;
    }
}

} // namespace
