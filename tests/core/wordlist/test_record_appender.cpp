#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"
#include "support/records.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

using tovrel::AppendError;

struct AppendCase {
    const char* name;
    std::string before;
    std::u32string word;
    std::string after;
};

void PrintTo(const AppendCase& c, std::ostream* out) {
    *out << c.name;
}

const AppendCase kWritten[] = {
    {"after_a_final_line_end", "asleep\r\n", U"zebra", "asleep\r\n\"zebra\"\r\n"},
    {"without_a_final_line_end", "asleep", U"zebra", "asleep\r\n\"zebra\"\r\n"},
    {"after_a_lone_line_feed", "asleep\n", U"zebra", "asleep\n\"zebra\"\r\n"},
    {"to_an_empty_file", "", U"zebra", "\"zebra\"\r\n"},
    {"after_a_quoted_field_that_never_closes", "\"asleep", U"zebra", "\"asleep\r\n\"zebra\"\r\n"},
    {"empty_word", "a\r\n", U"", "a\r\n\"\"\r\n"},
    {"control_characters_as_typed", "a\r\n", U"\t\x01", "a\r\n\"\t\x01\"\r\n"},
    {"word_of_100000_characters", "a\r\n", std::u32string(100000, U'x'),
     "a\r\n\"" + std::string(100000, 'x') + "\"\r\n"},
    {"capitals_and_blanks_as_typed", "a\r\n", U"New York", "a\r\n\"New York\"\r\n"},
    {"comma_unchanged", "a\r\n", U"x,y", "a\r\n\"x,y\"\r\n"},
    {"latin1_as_one_byte", "a\r\n", U"caf\u00E9", "a\r\n\"caf\xE9\"\r\n"},
    // A line end after a final comma would read as one more, empty, record.
    {"after_a_final_comma", "a,", U"zebra", "a,\"zebra\"\r\n"},
    {"after_a_final_comma_behind_a_quoted_field", "\"a\"b,", U"zebra", "\"a\"b,\"zebra\"\r\n"},
    {"after_a_comma_inside_an_unclosed_quote", "x,\"a,", U"zebra", "x,\"a,\r\n\"zebra\"\r\n"},
    {"after_a_comma_then_blanks", "a, ", U"zebra", "a, \r\n\"zebra\"\r\n"},
    {"after_a_final_comma_on_a_long_last_line", "a\n" + std::string(200000, 'b') + ",", U"zebra",
     "a\n" + std::string(200000, 'b') + ",\"zebra\"\r\n"},
    {"after_a_long_unclosed_quote_ending_in_a_comma", "a\r\"" + std::string(200000, 'b') + ",", U"zebra",
     "a\r\"" + std::string(200000, 'b') + ",\r\n\"zebra\"\r\n"},
};

class Written : public testing::TestWithParam<AppendCase> {};

TEST_P(Written, AppendsOneQuotedRecordThatReadsBackAsTyped) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", GetParam().before);
    const std::vector<std::string> old = recordsOf(path);

    ASSERT_FALSE(tovrel::appendRecord(path, GetParam().word));

    EXPECT_EQ(ScratchFolder::read(path), GetParam().after);
    std::vector<std::string> expected = old;
    std::string typed;
    for (char32_t c : GetParam().word)
        typed += static_cast<char>(c);
    expected.push_back(typed);
    EXPECT_EQ(recordsOf(path), expected);
}

INSTANTIATE_TEST_SUITE_P(Appender, Written, testing::ValuesIn(kWritten),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Appender, AMissingFileIsCreatedWithTheOneRecord) {
    ScratchFolder folder;
    ASSERT_FALSE(tovrel::appendRecord(folder.file("dictionary.txt"), U"zebra"));
    EXPECT_EQ(ScratchFolder::read(folder.file("dictionary.txt")), "\"zebra\"\r\n");
}

TEST(Appender, TheSameWordTwiceGivesTwoRecords) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", "a\r\n");
    ASSERT_FALSE(tovrel::appendRecord(path, U"zebra"));
    ASSERT_FALSE(tovrel::appendRecord(path, U"zebra"));
    EXPECT_EQ(recordsOf(path), (std::vector<std::string>{"a", "zebra", "zebra"}));
}

struct RefusedCase {
    const char* name;
    std::u32string word;
    AppendError::Kind kind;
};

void PrintTo(const RefusedCase& c, std::ostream* out) {
    *out << c.name;
}

const RefusedCase kRefused[] = {
    {"double_quote", U"say \"hi\"", AppendError::Kind::DoubleQuote},
    {"carriage_return", U"a\rb", AppendError::Kind::LineBreak},
    {"line_feed", U"a\nb", AppendError::Kind::LineBreak},
    {"beyond_latin1", U"\u20ACuro", AppendError::Kind::NotLatin1},
    // Cut down to a byte, U+0161 and U+0165 would be "a" and "e".
    {"beyond_latin1_with_a_letter_for_low_byte", U"\u0161\u0165", AppendError::Kind::NotLatin1},
};

class Refused : public testing::TestWithParam<RefusedCase> {};

TEST_P(Refused, LeavesTheFileByteForByte) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", "asleep");
    const auto error = tovrel::appendRecord(path, GetParam().word);
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, GetParam().kind);
    EXPECT_FALSE(error->reason.empty());
    EXPECT_EQ(ScratchFolder::read(path), "asleep");
}

INSTANTIATE_TEST_SUITE_P(Appender, Refused, testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Appender, EachRefusalHasItsOwnReason) {
    const auto quote = tovrel::checkAppendable(U"\"");
    const auto line = tovrel::checkAppendable(U"\n");
    const auto wide = tovrel::checkAppendable(U"\u4E00");
    ASSERT_TRUE(quote && line && wide);
    EXPECT_NE(quote->reason, line->reason);
    EXPECT_NE(line->reason, wide->reason);
    EXPECT_NE(quote->reason, wide->reason);
}

// Tests run as root, whom permissions do not stop: these failures are real ones.
// Nothing is made in the list's place: the folder stays a folder.
TEST(Appender, AFolderInPlaceOfTheFileIsAnError) {
    ScratchFolder folder;
    const auto error = tovrel::appendRecord(folder.path(), U"zebra");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, AppendError::Kind::File);
    EXPECT_NE(error->reason.find(folder.path()), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path()));
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

// Nothing is made on the way: the missing folder stays missing.
TEST(Appender, APathUnderAMissingFolderIsAnError) {
    ScratchFolder folder;
    const std::string path = folder.file("missing/dictionary.txt");
    const auto error = tovrel::appendRecord(path, U"zebra");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, AppendError::Kind::File);
    EXPECT_NE(error->reason.find(path), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.file("missing")));
}

TEST(Appender, AFullDiskIsAnErrorNotASuccess) {
    ScratchFolder folder;
    const std::string path = folder.file("dictionary.txt");
    ASSERT_EQ(::symlink("/dev/full", path.c_str()), 0);
    const auto error = tovrel::appendRecord(path, U"zebra");
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, AppendError::Kind::File);
}

} // namespace
