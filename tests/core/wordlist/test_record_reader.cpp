#include "core/wordlist/record_reader.h"
#include "support/records.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct ReaderCase {
    const char* name;
    std::string content;
    Records records;
};

void PrintTo(const ReaderCase& c, std::ostream* out) {
    *out << c.name;
}

const ReaderCase kReaderCases[] = {
    {"one_word_a_line", "asleep\r\nelapse\r\n", {"asleep", "elapse"}},
    {"blanks_before_the_word", "   asleep\r\n", {"asleep"}},
    {"blanks_after_the_word", "asleep  \r\n", {"asleep"}},
    {"comma_separates_two_records", "asleep,elapse\r\n", {"asleep", "elapse"}},
    {"quoted_word", "\"asleep\"\r\n", {"asleep"}},
    {"quoted_and_bare_read_alike", "\"asleep\"\r\nasleep\r\n", {"asleep", "asleep"}},
    {"comma_and_blank_inside_quotes", "\"New York, NY \"\r\n", {"New York, NY "}},
    {"after_closing_quote_skipped", "\"ab\"cd,ef\r\n", {"ab", "ef"}},
    {"quote_inside_bare_word", "it\"s\r\n", {"it\"s"}},
    {"empty_line", "a\r\n\r\nb\r\n", {"a", "", "b"}},
    {"trailing_comma", "a,\r\n", {"a", ""}},
    {"final_line_end_gives_no_record", "a\r\n", {"a"}},
    {"no_final_line_end", "a\r\nb", {"a", "b"}},
    {"empty_file", "", {}},
    {"blanks_on_last_line", "a\r\n   ", {"a", ""}},
    {"lone_line_feed", "a\nb\n", {"a", "b"}},
    {"lone_carriage_return", "a\rb\r", {"a", "b"}},
    {"unclosed_quote_ends_at_line_end", "\"ab\r\ncd\r\n", {"ab", "cd"}},
    {"unclosed_quote_at_end_of_file", "\"ab", {"ab"}},
    {"quoted_empty", "\"\"\r\n", {""}},
    {"latin1_bytes_kept", "caf\xE9\r\n", {"caf\xE9"}},
    {"nul_byte_is_a_character", std::string("a\0b\r\n", 5), {std::string("a\0b", 3)}},
    {"appended_after_unterminated_quote", "\"ab\r\n\"cd\"\r\n", {"ab", "cd"}},
};

class RecordReaderCases : public testing::TestWithParam<ReaderCase> {};

TEST_P(RecordReaderCases, FromMemory) {
    for (auto read : {readEachRecord, readWholePass}) {
        tovrel::RecordReader reader(GetParam().content);
        EXPECT_EQ(read(reader), GetParam().records);
    }
}

// Small blocks put every field and line end across a block boundary somewhere;
// the large one lets the whole pass find most records within whole chunks.
TEST_P(RecordReaderCases, FromFileInBlocks) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", GetParam().content);
    for (auto read : {readEachRecord, readWholePass}) {
        for (std::size_t block : {1, 2, 3, 5, 64, 4096}) {
            tovrel::RecordReader reader;
            ASSERT_FALSE(reader.open(path, block));
            EXPECT_EQ(read(reader), GetParam().records) << "block size " << block;
            EXPECT_FALSE(reader.error());
        }
    }
}

// Records long enough to fill several 64-byte chunks of delimiter bits, with
// every kind of field among them.
TEST(RecordReader, TheWholePassAgreesWithOneRecordAtATime) {
    std::string content;
    for (int i = 0; i < 300; ++i) {
        content += std::string(static_cast<std::size_t>(i % 70), static_cast<char>('a' + i % 26));
        const char* endings[] = {"\r\n", "\n", ",", "\r", "  \r\n", ",\"q, x\"\r\n", "\r\n  pad\r\n"};
        content += endings[i % 7];
    }
    tovrel::RecordReader one(content);
    tovrel::RecordReader whole(content);
    EXPECT_EQ(readWholePass(whole), readEachRecord(one));
}

INSTANTIATE_TEST_SUITE_P(Reader, RecordReaderCases, testing::ValuesIn(kReaderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RecordReader, ReadingAtTheEndGivesAnEmptyRecord) {
    tovrel::RecordReader reader("a\r\n");
    EXPECT_EQ(reader.next(), "a");
    EXPECT_TRUE(reader.atEnd());
    EXPECT_EQ(reader.next(), "");
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordReader, AFieldLongerThanABlockIsReadWhole) {
    ScratchFolder folder;
    const std::string longWord(100000, 'x');
    const std::string path = folder.write("dictionary.txt", "a\r\n" + longWord + "\r\nb\r\n");
    tovrel::RecordReader reader;
    ASSERT_FALSE(reader.open(path, 4096));
    EXPECT_EQ(readWholePass(reader), (Records{"a", longWord, "b"}));
}

// A device that never ends holds no line end: reading stops with an error
// instead of growing until memory runs out.
TEST(RecordReader, AnEndlessLineIsAnError) {
    tovrel::RecordReader reader;
    ASSERT_FALSE(reader.open("/dev/zero"));
    EXPECT_EQ(readWholePass(reader).size(), 1u);
    ASSERT_TRUE(reader.error());
    EXPECT_NE(reader.error()->message().find("/dev/zero"), std::string::npos);
}

TEST(RecordReader, AMissingFileIsAnErrorNamingThePath) {
    ScratchFolder folder;
    tovrel::RecordReader reader;
    const auto error = reader.open(folder.file("dictionary.txt"));
    ASSERT_TRUE(error);
    EXPECT_EQ(error->path, folder.file("dictionary.txt"));
    EXPECT_NE(error->message().find(folder.file("dictionary.txt")), std::string::npos);
    EXPECT_TRUE(reader.atEnd());
}

TEST(RecordReader, AFolderInPlaceOfTheFileIsAnError) {
    ScratchFolder folder;
    tovrel::RecordReader reader;
    const auto error = reader.open(folder.path());
    ASSERT_TRUE(error);
    EXPECT_NE(error->reason.find("folder"), std::string::npos);
    EXPECT_TRUE(reader.atEnd());
}

} // namespace
