#include "core/wordlist/record_reader.h"
#include "support/records.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
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
            ASSERT_FALSE(reader.open(path, {block}));
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
    ASSERT_FALSE(reader.open(path, {4096}));
    EXPECT_EQ(readWholePass(reader), (Records{"a", longWord, "b"}));
}

// A record longer than the longest one is skipped without being held, and
// counted with its place; the records around it are read as usual. A small
// limit stands in for the real one of many megabytes.
struct LongRecordCase {
    const char* name;
    std::string content;
    Records records;
    std::uint64_t skipped;
    std::uint64_t firstOffset;
    bool endsWithSkipped = false; // next() then has only an empty record left to give
};

void PrintTo(const LongRecordCase& c, std::ostream* out) {
    *out << c.name;
}

const std::string kLong(100, 'x');

const LongRecordCase kLongRecordCases[] = {
    {"bare_record", "a\r\n" + kLong + "\r\nb\r\n", {"a", "b"}, 1, 3},
    {"quoted_record", "a\r\n\"" + kLong + "\"\r\nb\r\n", {"a", "b"}, 1, 3},
    {"quoted_record_that_never_closes", "a\r\n\"" + kLong + "\r\nb\r\n", {"a", "b"}, 1, 3},
    {"long_tail_after_a_closing_quote_keeps_the_record", "\"ab\"" + kLong + ",cd\r\n", {"ab", "cd"}, 0, 0},
    {"last_record_without_line_end", "a\r\n" + kLong, {"a"}, 1, 3, true},
    {"two_long_records_on_a_line", "a," + kLong + "," + kLong + ",b\n", {"a", "b"}, 2, 2},
    {"record_of_exactly_the_limit_is_read",
     "a\n" + std::string(63, 'y') + "\nb\n",
     {"a", std::string(63, 'y'), "b"},
     0,
     0},
};

class LongRecords : public testing::TestWithParam<LongRecordCase> {};

TEST_P(LongRecords, AreSkippedAndCounted) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", GetParam().content);
    for (auto read : {readEachRecord, readWholePass}) {
        tovrel::RecordReader reader;
        ASSERT_FALSE(reader.open(path, {16, 64}));
        Records expected = GetParam().records;
        if (read == readEachRecord && GetParam().endsWithSkipped)
            expected.emplace_back();
        EXPECT_EQ(read(reader), expected);
        EXPECT_FALSE(reader.error());
        EXPECT_EQ(reader.skipped().count, GetParam().skipped);
        EXPECT_EQ(reader.skipped().firstOffset, GetParam().firstOffset);
    }
}

INSTANTIATE_TEST_SUITE_P(Reader, LongRecords, testing::ValuesIn(kLongRecordCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A device or a FIFO in the place of the list would block the window or never
// end: only a regular file is read unless pipes are accepted, as tovrel2-find
// does on purpose.
TEST(RecordReader, ADeviceOrFifoIsRefusedUnlessPipesAreAccepted) {
    ScratchFolder folder;
    const std::string fifo = folder.file("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), fifo}) {
        tovrel::RecordReader reader;
        const auto error = reader.open(path);
        ASSERT_TRUE(error) << path;
        EXPECT_NE(error->message().find(path), std::string::npos);
        EXPECT_NE(error->reason.find("not a regular file"), std::string::npos);
    }
    std::thread writer([&] { std::ofstream(fifo) << "asleep\nplease\n"; });
    tovrel::RecordReader reader;
    tovrel::ReadOptions options;
    options.acceptPipes = true;
    ASSERT_FALSE(reader.open(fifo, options));
    EXPECT_EQ(readWholePass(reader), (Records{"asleep", "please"}));
    writer.join();
}

struct EncodingCase {
    const char* name;
    std::string content;
    tovrel::Encoding encoding;
};

void PrintTo(const EncodingCase& c, std::ostream* out) {
    *out << c.name;
}

// Detection reads a first block of 64 KiB, then blocks of 1 MiB: a character
// cut by a block's end must still count as UTF-8.
const EncodingCase kEncodingCases[] = {
    {"ascii", "asleep\r\n", tovrel::Encoding::Utf8},
    {"empty", "", tovrel::Encoding::Utf8},
    {"utf8_accents", "caf\xC3\xA9\r\nna\xC3\xAFve\r\n", tovrel::Encoding::Utf8},
    {"latin1_accents", "caf\xE9\r\n", tovrel::Encoding::Latin1},
    {"utf8_then_one_latin1_byte_far_on", "caf\xC3\xA9\r\n" + std::string(200000, 'a') + "\r\n\xE9\r\n",
     tovrel::Encoding::Latin1},
    {"character_across_the_first_block_end", std::string((1 << 16) - 1, 'a') + "\xC3\xA9\r\n",
     tovrel::Encoding::Utf8},
    {"character_across_a_later_block_end", std::string((1 << 16) + (1 << 20) - 2, 'a') + "\xE2\x82\xAC\r\n",
     tovrel::Encoding::Utf8},
    {"sequence_cut_by_the_end_of_the_file", "caf\xC3", tovrel::Encoding::Latin1},
    {"encoded_surrogate", "\xED\xA0\x80\r\n", tovrel::Encoding::Latin1},
};

class Encodings : public testing::TestWithParam<EncodingCase> {};

TEST_P(Encodings, AreDetectedFromTheWholeListWithoutMovingTheReader) {
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", GetParam().content);
    tovrel::RecordReader fromFile;
    ASSERT_FALSE(fromFile.open(path));
    EXPECT_EQ(fromFile.detectEncoding(), GetParam().encoding);
    tovrel::RecordReader expected(GetParam().content);
    EXPECT_EQ(readWholePass(fromFile), readWholePass(expected));
    tovrel::RecordReader fromMemory(GetParam().content);
    EXPECT_EQ(fromMemory.detectEncoding(), GetParam().encoding);
}

INSTANTIATE_TEST_SUITE_P(Reader, Encodings, testing::ValuesIn(kEncodingCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
