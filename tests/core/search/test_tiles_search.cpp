#include "core/search/commonness.h"
#include "core/search/tiles_search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"
#include "support/found_lines.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using tovrel::FindOutcome;
using Lines = std::vector<std::string>;

// "Tac", "café" and "c-at" are unknown to the commonness file; "c-at" has a
// hyphen, which takes no tile.
const std::string kList = "cat\r\nact\r\ntact\r\nat\r\na\r\nattack\r\nTac\r\ncaf\xE9\r\nc-at\r\ntat\r\n";
const std::string kCommonness =
    "level 10\ncat\nat\na\nattack\nlevel 20\nact\nlevel 35\ntact\nlevel 60\ntat\n";

struct TilesCase {
    const char* name;
    std::u32string tiles;
    std::size_t minLength;
    Lines lines;
};

void PrintTo(const TilesCase& c, std::ostream* out) {
    *out << c.name;
}

const TilesCase kCases[] = {
    {"longest_then_commonest_then_list_order", U"tac", 2, {"cat", "act", "Tac", "c-at", "at"}},
    {"capitals_typed", U"TAC", 2, {"cat", "act", "Tac", "c-at", "at"}},
    {"blank_stands_for_a_letter_twice_used", U"tac?", 2, {"tact", "cat", "act", "tat", "Tac", "c-at", "at"}},
    {"blank_stands_for_an_accented_letter", U"caf?", 2, {"caf\xC3\xA9", "cat", "act", "Tac", "c-at", "at"}},
    {"each_tile_once", U"ta", 2, {"at"}},
    {"blanks_only", U"??", 2, {"at"}},
    {"blanks_between_tiles_ignored", U"t a c", 3, {"cat", "act", "Tac", "c-at"}},
    {"shorter_words_allowed", U"a", 1, {"a"}},
    {"no_word_fits", U"zz", 2, {}},
    {"a_hundred_thousand_blanks",
     std::u32string(100000, U'?'),
     2,
     {"attack", "tact", "caf\xC3\xA9", "cat", "act", "tat", "Tac", "c-at", "at"}},
};

class TilesSearch : public testing::TestWithParam<TilesCase> {};

TEST_P(TilesSearch, ListsTheWordsTheRackSpells) {
    tovrel::Commonness commonness;
    commonness.loadText(kCommonness, "fixture");
    tovrel::TilesOptions options;
    options.tiles = GetParam().tiles;
    options.minLength = GetParam().minLength;
    FoundLines found;
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findTiles(options, list, &commonness, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Done);
    EXPECT_EQ(found.lines, GetParam().lines);
    EXPECT_EQ(outcome.count, GetParam().lines.size());

    tovrel::RecordReader again(kList);
    EXPECT_EQ(tovrel::findTiles(options, again, &commonness, nullptr).count, GetParam().lines.size());
}

INSTANTIATE_TEST_SUITE_P(Racks, TilesSearch, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TilesSearchStop, SinkStopsIt) {
    tovrel::TilesOptions options;
    options.tiles = U"tac";
    FoundLines found(1);
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findTiles(options, list, nullptr, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Stopped);
    EXPECT_EQ(found.lines, Lines{"cat"});
}

// A UTF-8 list, its encoding found out; accents folded or not.
struct EncodingCase {
    const char* name;
    std::u32string tiles;
    bool foldAccents;
    Lines lines;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

const EncodingCase kEncodingCases[] = {
    {"accented_tile", U"\u00E9fac", false, {"caf\xC3\xA9", "fac\xC3\xA9"}},
    {"plain_tile", U"efac", false, {"cafe"}},
    {"folded_accents", U"efac", true, {"caf\xC3\xA9", "fac\xC3\xA9", "cafe", "cafe\xCC\x81"}},
    {"blank_for_a_letter_beyond_latin1", U"?", false, {"\xC5\xA1"}},
};

class TilesSearchEncodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(TilesSearchEncodings, FindAndHandOutInUtf8) {
    tovrel::TilesOptions options;
    options.tiles = GetParam().tiles;
    options.minLength = 1;
    options.reading.encoding.reset();
    options.reading.foldAccents = GetParam().foldAccents;
    tovrel::RecordReader list("caf\xC3\xA9\nfac\xC3\xA9\ncafe\ncafe\xCC\x81\n\xC5\xA1\n");
    FoundLines found;
    const FindOutcome outcome = tovrel::findTiles(options, list, nullptr, &found);
    EXPECT_EQ(outcome.status, FindOutcome::Status::Done) << outcome.message;
    EXPECT_EQ(found.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lists, TilesSearchEncodings, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The commonness file tells of the shipped list: a word the user added counts
// as the rarest, though the file knows one spelt the same.
struct AddedCase {
    const char* name;
    std::string shipped;
    std::string added;
    Lines lines;
};

void PrintTo(const AddedCase& c, std::ostream* out) {
    *out << c.name;
}

const AddedCase kAddedCases[] = {
    {"after_a_shipped_word", "tac\r\n", "\"cat\"\r\n", {"tac", "cat"}},
    {"when_no_shipped_word_fits", "dog\r\n", "act\r\ncat\r\n", {"act", "cat"}},
};

class TilesSearchAddedWords : public testing::TestWithParam<AddedCase> {};

TEST_P(TilesSearchAddedWords, AreTheRarest) {
    ScratchFolder folder;
    const tovrel::WordList list(folder.write("dictionary.txt", GetParam().shipped),
                                folder.write("added-words.txt", GetParam().added));
    tovrel::Commonness commonness;
    commonness.loadText("level 10\ncat\nlevel 50\ntac\n", "fixture");
    tovrel::TilesOptions options;
    options.tiles = U"tac";
    FoundLines found;
    tovrel::findTiles(options, list, &commonness, &found);
    EXPECT_EQ(found.lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Lists, TilesSearchAddedWords, testing::ValuesIn(kAddedCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TilesSearchTwice, AnEntryTheListHoldsTwiceComesOnce) {
    tovrel::TilesOptions options;
    options.tiles = U"tac";
    tovrel::RecordReader list("cat\nat\ncat\n\"at\"\n");
    FoundLines found;
    const FindOutcome outcome = tovrel::findTiles(options, list, nullptr, &found);
    EXPECT_EQ(found.lines, (Lines{"cat", "at"}));
    EXPECT_EQ(outcome.count, 2u);
}

class TilesBadInput : public testing::TestWithParam<std::pair<std::u32string, std::string>> {};

TEST_P(TilesBadInput, IsRefusedWithOneLine) {
    tovrel::TilesOptions options;
    options.tiles = GetParam().first;
    tovrel::RecordReader list(kList);
    const FindOutcome outcome = tovrel::findTiles(options, list, nullptr, nullptr);
    EXPECT_EQ(outcome.status, FindOutcome::Status::BadInput);
    EXPECT_EQ(outcome.message, GetParam().second);
}

INSTANTIATE_TEST_SUITE_P(Refused, TilesBadInput,
                         testing::Values(std::pair{U"", "there are no tiles"},
                                         std::pair{U"  ", "there are no tiles"},
                                         std::pair{U"ta1", "'1' in the tiles is not a letter"},
                                         std::pair{U"ta*", "'*' in the tiles is not a letter"}));

} // namespace
