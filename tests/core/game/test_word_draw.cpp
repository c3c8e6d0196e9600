#include "core/game/word_draw.h"
#include "core/wordlist/record_reader.h"

#include <gtest/gtest.h>

#include <cmath>

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

struct Draw {
    const char* name;
    std::string list;
    std::uint64_t n;
    std::string record;
    std::string left; // the record after it, where reading stopped
};

void PrintTo(const Draw& c, std::ostream* out) {
    *out << c.name;
}

const std::string kFive = "one\r\ntwo\r\nthree\r\nsword\r\nfive\r\n";

const Draw kRecords[] = {
    {"first_record", kFive, 0, "one", "two"},
    {"record_n_plus_1", kFive, 3, "sword", "five"},
    {"last_record", kFive, 4, "five", ""},
    {"shorter_list_gives_its_last", kFive, 30000, "five", ""},
    {"empty_list", "", 2, "", ""},
    {"quoted_record_as_read", "\"New York\"\r\n", 0, "New York", ""},
};

class RecordAt : public testing::TestWithParam<Draw> {};

TEST_P(RecordAt, ReadsRecordNPlusOneAndStops) {
    tovrel::RecordReader reader(GetParam().list);
    EXPECT_EQ(tovrel::recordAt(reader, GetParam().n), GetParam().record);
    EXPECT_EQ(reader.atEnd() ? std::string() : std::string(reader.next()), GetParam().left);
}

INSTANTIATE_TEST_SUITE_P(WordDraw, RecordAt, testing::ValuesIn(kRecords),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
