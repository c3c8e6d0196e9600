#include "core/search/search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using tovrel::SearchMode;
using Status = tovrel::SearchOutcome::Status;

// A list that tells the four modes apart: capitals, other lengths, a blank, a
// hyphen and an empty record among the words that fit "ealpes".
const std::string kFixture = "asleep\r\nelapse\r\nGlaspell\r\nLaelaps\r\nlapse\r\nNaples\r\nNepalese\r\n"
                             "passless\r\nplease\r\nsalep\r\nsapele\r\nsapless\r\nsepal\r\nSepal\r\n"
                             "apple\r\naa\r\nall\r\nallele\r\nappease\r\nleaseless\r\nPallas\r\npallas\r\n"
                             "pls\r\na-b\r\n\r\nlap se\r\nElapse\r\n";

struct SearchCase {
    const char* name;
    SearchMode mode;
    std::u32string typed;
    std::string text;
    std::uint64_t count;
};

void PrintTo(const SearchCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kComplete = "asleep, elapse, please, sapele, elapse, ";
const std::string kExtended = "asleep, elapse, Glaspell, Laelaps, lapse, Naples, Nepalese, passless, please, "
                              "salep, sapele, sapless, sepal, lap se, Elapse, ";
const std::string kPartial = "asleep, elapse, lapse, please, salep, sapele, sepal, apple, aa, all, allele, "
                             "pallas, pls, , ";
const std::string kExtendedPartial = "asleep, elapse, laelaps, passless, please, sapele, sapless, allele, "
                                     "appease, leaseless, pallas, pallas, elapse, ";

const SearchCase kCases[] = {
    {"complete_exact_anagrams_lower_cased", SearchMode::Complete, U"ealpes", kComplete, 5},
    {"complete_capitals_typed", SearchMode::Complete, U"EALPES", kComplete, 5},
    {"complete_blank_inside_input", SearchMode::Complete, U"eal pes", kComplete, 5},
    {"complete_blanks_only_match_empty_records", SearchMode::Complete, U"   ", ", ", 1},
    {"complete_no_match", SearchMode::Complete, U"zzz", "", 0},
    {"complete_brace_has_its_slot", SearchMode::Complete, U"{a", "", 0},

    {"extended_same_letter_set", SearchMode::Extended, U"ealpes", kExtended, 15},
    {"extended_capitals_typed", SearchMode::Extended, U"EALPES", kExtended, 15},
    {"extended_blank_and_symbol_ignored", SearchMode::Extended, U"eal pes!", kExtended, 15},
    {"extended_no_letter_matches_letterless_records", SearchMode::Extended, U"123", ", ", 1},
    {"extended_beyond_latin1_ignored", SearchMode::Extended, U"ealpes\u20AC", kExtended, 15},

    {"partial_as_read_no_longer", SearchMode::Partial, U"ealpes", kPartial, 14},
    {"partial_capitals_typed", SearchMode::Partial, U"EALPES", kPartial, 14},
    {"partial_blank_is_a_character", SearchMode::Partial, U"eal pes",
     "asleep, elapse, lapse, please, salep, sapele, sapless, sepal, apple, aa, all, allele, appease, "
     "pallas, pls, , lap se, ",
     17},
    {"partial_beyond_latin1_counts_in_length", SearchMode::Partial, U"ealpes\u20AC",
     "asleep, elapse, lapse, please, salep, sapele, sapless, sepal, apple, aa, all, allele, appease, "
     "pallas, pls, , ",
     16},
    {"partial_one_letter", SearchMode::Partial, U"a", ", ", 1},

    {"extended_partial_lower_cased_no_shorter", SearchMode::ExtendedPartial, U"ealpes", kExtendedPartial, 13},
    {"extended_partial_capitals_typed", SearchMode::ExtendedPartial, U"EALPES", kExtendedPartial, 13},
    {"extended_partial_trailing_blank_lengthens", SearchMode::ExtendedPartial, U"ealpes ",
     "laelaps, passless, sapless, appease, leaseless, ", 5},
    {"extended_partial_one_letter_any_case", SearchMode::ExtendedPartial, U"a", "aa, ", 1},
};

class Searches : public testing::TestWithParam<SearchCase> {};

TEST_P(Searches, ListTheMatchesInListOrder) {
    tovrel::RecordReader reader(kFixture);
    const tovrel::SearchOutcome outcome = tovrel::search(GetParam().mode, GetParam().typed, reader);
    EXPECT_EQ(outcome.status, Status::Done);
    EXPECT_EQ(outcome.text, GetParam().text);
    EXPECT_EQ(outcome.count, GetParam().count);
}

TEST_P(Searches, CountOnlyCountsTheSame) {
    tovrel::RecordReader reader(kFixture);
    const auto outcome =
        tovrel::search(GetParam().mode, GetParam().typed, reader, tovrel::Listing::CountOnly);
    EXPECT_EQ(outcome.text, "");
    EXPECT_EQ(outcome.count, GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Modes, Searches, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

class RefusedByComplete : public testing::TestWithParam<std::u32string> {};

TEST_P(RefusedByComplete, NothingIsRead) {
    tovrel::RecordReader reader(kFixture);
    const auto outcome = tovrel::search(SearchMode::Complete, GetParam(), reader);
    EXPECT_EQ(outcome.status, Status::RefusedInput);
    EXPECT_EQ(outcome.text, "");
    EXPECT_EQ(outcome.count, 0u);
    EXPECT_FALSE(reader.atEnd());
}

// Digits, apostrophes, hyphens, tabs and "|" are no letters, nor are × and ÷
// among the Latin-1 letters; a letter beyond Latin-1 cannot stand in the list.
INSTANTIATE_TEST_SUITE_P(Symbols, RefusedByComplete,
                         testing::Values(U"ab1", U"it's", U"a-b", U"a\tb", U"a|b", U"a\u00D7b", U"a\u00F7b",
                                         U"a\u20AC", U"\u0161a"));

// Accented letters are letters: "café" is found by "éfac", capitals fold to
// small letters, and an accented letter counts only as itself.
TEST(Searches, AccentedLettersAreLettersOfTheirOwn) {
    const std::string list = "caf\xE9\r\nCAF\xC9\r\ncafe\r\n\xE6on\r\nStra\xDF"
                             "e\r\n";
    auto complete = [&](std::u32string_view typed, bool foldAccents = false) {
        tovrel::RecordReader reader(list);
        return tovrel::search(SearchMode::Complete, typed, reader, tovrel::Listing::Text,
                              {tovrel::Encoding::Latin1, foldAccents})
            .text;
    };
    EXPECT_EQ(complete(U"\u00E9fac"), "caf\xE9, caf\xE9, ");
    EXPECT_EQ(complete(U"\u00C9FAC"), "caf\xE9, caf\xE9, ");
    EXPECT_EQ(complete(U"efac"), "cafe, ");
    EXPECT_EQ(complete(U"no\u00C6"), "\xE6on, ");
    EXPECT_EQ(complete(U"\u00DFstrae"), "stra\xDF"
                                        "e, ");
    EXPECT_EQ(complete(U"efac", true), "caf\xE9, caf\xE9, cafe, ");
}

TEST(Searches, NoLengthLimitOnInputOrRecords) {
    const std::string longRecord(60, 'a');
    const std::string list = "aa\r\n" + longRecord + "\r\n" + std::string(40, 'b') + "\r\n";
    auto run = [&](SearchMode mode, const std::u32string& typed) {
        tovrel::RecordReader reader(list);
        return tovrel::search(mode, typed, reader).text;
    };
    EXPECT_EQ(run(SearchMode::ExtendedPartial, U"ab"),
              "aa, " + longRecord + ", " + std::string(40, 'b') + ", ");
    EXPECT_EQ(run(SearchMode::Partial, std::u32string(40, U'b')), std::string(40, 'b') + ", ");
    EXPECT_EQ(run(SearchMode::Complete, std::u32string(60, U'A')), longRecord + ", ");
}

TEST(Searches, ARecordWithoutASlotDoesNotMatchAComplete) {
    tovrel::RecordReader reader("ab1\r\nab\xE9\r\nab{\r\nba{\r\n");
    EXPECT_EQ(tovrel::search(SearchMode::Complete, U"{ab", reader).text, "ab{, ba{, ");
}

TEST(Searches, AMissingListIsReportedWithItsPath) {
    ScratchFolder folder;
    const std::string path = folder.file("dictionary.txt");
    const auto outcome = tovrel::search(SearchMode::Partial, U"ealpes", path);
    EXPECT_EQ(outcome.status, Status::Unreadable);
    ASSERT_TRUE(outcome.error);
    EXPECT_EQ(outcome.error->path, path);
}

TEST(Searches, AFolderInPlaceOfTheListIsReported) {
    ScratchFolder folder;
    const auto outcome = tovrel::search(SearchMode::Extended, U"ealpes", folder.path());
    EXPECT_EQ(outcome.status, Status::Unreadable);
}

TEST(Searches, AnAddedWordIsFoundAsTheLastMatch) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", kFixture + "\"Sapele\"\r\n");
    EXPECT_EQ(tovrel::search(SearchMode::Complete, U"ealpes", path).text, kComplete + "sapele, ");
}

} // namespace
