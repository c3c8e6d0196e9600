#include "core/game/word_draw.h"
#include "core/wordlist/word_list.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <utility>

namespace {

struct Rounding {
    const char* name;
    float value;
    int rounded;
};

void PrintTo(const Rounding& c, std::ostream* out) {
    *out << c.name;
}

const Rounding kRoundings[] = {
    {"half_to_the_even_below", 312.5f, 312},
    {"half_to_the_even_above", 313.5f, 314},
    {"half_to_zero", 0.5f, 0},
    {"below_half", 2.4999f, 2},
    {"above_half", 2.5001f, 3},
};

class RoundHalfToEven : public testing::TestWithParam<Rounding> {};

TEST_P(RoundHalfToEven, RoundsToTheNearestTiesToEven) {
    EXPECT_EQ(tovrel::roundHalfToEven(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(WordDraw, RoundHalfToEven, testing::ValuesIn(kRoundings),
                         [](const auto& info) { return std::string(info.param.name); });

// The random value times 10000 in single precision, then rounded.
const Rounding kDraws[] = {
    {"zero", 0.0f, 0},
    {"tie_312_5", 0.03125f, 312},
    {"tie_937_5", 0.09375f, 938},
    {"two_ten_thousandths", 0.0002f, 2},
    {"largest_value_below_1_reaches_10000", std::nextafter(1.0f, 0.0f), 10000},
};

class DrawOffset : public testing::TestWithParam<Rounding> {};

TEST_P(DrawOffset, IsTheValueTimesTenThousandRounded) {
    EXPECT_EQ(tovrel::drawOffset(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(WordDraw, DrawOffset, testing::ValuesIn(kDraws),
                         [](const auto& info) { return std::string(info.param.name); });

// The list is the shipped file followed by the user's added words, when there
// are any (kNone: no file of added words yet).
const char* const kNone = nullptr;

struct Draw {
    const char* name;
    std::string list;
    const char* added;
    std::uint64_t n;
    std::string record;
};

void PrintTo(const Draw& c, std::ostream* out) {
    *out << c.name;
}

const std::string kFive = "one\r\ntwo\r\nthree\r\nsword\r\nfive\r\n";
const char* const kAdded = "\"six\"\r\n\"seven\"\r\n";

const Draw kRecords[] = {
    {"first_record", kFive, kNone, 0, "one"},
    {"record_n_plus_1", kFive, kNone, 3, "sword"},
    {"last_record", kFive, kNone, 4, "five"},
    {"shorter_list_gives_its_last", kFive, kNone, 30000, "five"},
    {"empty_list", "", kNone, 2, ""},
    {"quoted_record_as_read", "\"New York\"\r\n", kNone, 0, "New York"},
    {"last_of_the_list_added_words_after_it", kFive, kAdded, 4, "five"},
    {"counting_on_into_the_added_words", kFive, kAdded, 6, "seven"},
    {"shorter_than_both_gives_the_last_added_word", kFive, kAdded, 30000, "seven"},
    {"list_without_a_final_line_end", "one", kAdded, 1, "six"},
    {"empty_file_of_added_words", kFive, "", 30000, "five"},
    {"only_added_words", "", kAdded, 0, "six"},
};

class RecordAt : public testing::TestWithParam<Draw> {};

TEST_P(RecordAt, IsRecordNPlusOneOfTheListAndTheAddedWords) {
    const ScratchFolder folder;
    const std::string shipped = folder.write("dictionary.txt", GetParam().list);
    const std::string added = folder.file("added-words.txt");
    if (GetParam().added)
        folder.write("added-words.txt", GetParam().added);

    const tovrel::DrawnRecord drawn = tovrel::recordAt(tovrel::WordList(shipped, added), GetParam().n);
    ASSERT_FALSE(drawn.error);
    EXPECT_EQ(drawn.record, GetParam().record);
}

INSTANTIATE_TEST_SUITE_P(WordDraw, RecordAt, testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

// A list that cannot be read gives an error that names it, not a word: a
// missing shipped list, or a folder in the place of the added words.
TEST(RecordAt, AnUnreadableFileIsAnErrorNamingIt) {
    const ScratchFolder folder;
    const std::string shipped = folder.write("dictionary.txt", "one\r\n");
    const std::string added = folder.file("added-words.txt");
    std::filesystem::create_directory(added);
    const std::string missing = folder.file("missing.txt");

    for (const auto& [list, failing] : {std::pair{tovrel::WordList(missing), missing},
                                        std::pair{tovrel::WordList(shipped, added), added}}) {
        const tovrel::DrawnRecord drawn = tovrel::recordAt(list, 3);
        ASSERT_TRUE(drawn.error);
        EXPECT_EQ(drawn.error->path, failing);
    }
}

} // namespace
