#include "cli/found_printer.h"
#include "cli/output.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using tovrel::FoundWord;
using tovrel::cli::Format;
using tovrel::cli::FoundPrinter;
using tovrel::cli::Output;
using Shape = FoundPrinter::Shape;

// Entries as the searches hand them out: UTF-8, with the padding behind each.
class Entries {
public:
    explicit Entries(const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            starts_.push_back(pool_.size());
            pool_ += text;
            pool_.append(tovrel::kFoundTextPadding, '#');
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            views_.emplace_back(pool_.data() + starts_[i], texts[i].size());
    }
    const std::string_view* at(std::size_t i) const { return &views_[i]; }

private:
    std::string pool_;
    std::vector<std::size_t> starts_;
    std::vector<std::string_view> views_;
};

// What the printer wrote into a file, once its output is gone.
template <typename Print> std::string printed(Print&& print) {
    ScratchFolder folder;
    const std::string path = folder.file("out");
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    {
        Output out(fd);
        print(out);
    }
    ::close(fd);
    return ScratchFolder::read(path);
}

const std::string kLong(100, 'x'); // longer than the padding

struct PrintCase {
    const char* name;
    Format format;
    Shape shape;
    std::vector<std::vector<std::size_t>> line; // each word: its entries, by number
    std::string out;
};

void PrintTo(const PrintCase& c, std::ostream* out) {
    *out << c.name;
}

const std::vector<std::string> kTexts = {"old", "west", "action", "\xC3\xA9t\xC3\xA9", "a \"b\"", kLong};

const PrintCase kCases[] = {
    {"words_of_a_line", Format::Lines, Shape::Words, {{0}, {1}, {2}}, "old west action\n"},
    {"alternatives_of_a_word", Format::Lines, Shape::GroupedWords, {{0, 1}, {2}}, "old/west action\n"},
    {"utf8_as_it_stands", Format::Lines, Shape::Word, {{3}}, "\xC3\xA9t\xC3\xA9\n"},
    {"long_entry_among_short_ones", Format::Lines, Shape::Words, {{0}, {5}, {1}}, "old " + kLong + " west\n"},
    {"long_alternative", Format::Lines, Shape::GroupedWords, {{5, 0}}, kLong + "/old\n"},
    {"null_ended", Format::Null, Shape::Words, {{0}, {1}}, std::string("old west\0", 9)},
    {"json_word", Format::Json, Shape::Word, {{4}}, "{\"word\":\"a \\\"b\\\"\"}\n"},
    {"json_words", Format::Json, Shape::Words, {{0}, {1}}, "{\"words\":[\"old\",\"west\"]}\n"},
    {"json_grouped_words",
     Format::Json,
     Shape::GroupedWords,
     {{0, 1}, {2}},
     "{\"words\":[[\"old\",\"west\"],[\"action\"]]}\n"},
};

class FoundPrinterLines : public testing::TestWithParam<PrintCase> {};

TEST_P(FoundPrinterLines, PrintAResultAsTheFormatSays) {
    const Entries entries(kTexts);
    std::vector<std::vector<std::string_view>> alternatives;
    std::vector<FoundWord> words;
    for (const std::vector<std::size_t>& word : GetParam().line) {
        alternatives.emplace_back();
        for (const std::size_t e : word)
            alternatives.back().push_back(*entries.at(e));
    }
    for (const auto& word : alternatives)
        words.push_back({word.data(), word.size()});
    const std::string out = printed([&](Output& output) {
        FoundPrinter printer(output, GetParam().format, GetParam().shape);
        EXPECT_TRUE(printer.add(words.data(), words.size()));
    });
    EXPECT_EQ(out, GetParam().out);
}

INSTANTIATE_TEST_SUITE_P(Formats, FoundPrinterLines, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Blocks of many lines run over the output's buffer, long entries among them.
TEST(FoundPrinterBlocks, AreWrittenWhole) {
    const Entries entries(kTexts);
    std::vector<FoundWord> block;
    std::string line;
    for (std::size_t i = 0; i < 3 * 6; ++i) {
        block.push_back({entries.at(i % kTexts.size()), 1});
        line += std::string(*entries.at(i % kTexts.size())) + (i % 3 == 2 ? "\n" : " ");
    }
    std::string expected;
    const std::string out = printed([&](Output& output) {
        FoundPrinter printer(output, Format::Lines, Shape::Words);
        for (int i = 0; i < 5000; ++i) {
            ASSERT_TRUE(printer.addLines(block.data(), 3, 6));
            expected += line;
        }
    });
    EXPECT_EQ(out.size(), expected.size());
    EXPECT_TRUE(out == expected);
}

// The phrase search writes lines into the printer's room itself.
TEST(FoundPrinterText, RoomTakesWhatIsWrittenIntoIt) {
    std::string expected;
    const std::string out = printed([&](Output& output) {
        FoundPrinter printer(output, Format::Null, Shape::Words);
        ASSERT_NE(printer.textLayout(), nullptr);
        EXPECT_EQ(printer.textLayout()->lineEnd, '\0');
        for (int i = 0; i < 100; ++i) {
            char* end = nullptr;
            char* room = printer.textRoom(4000, end);
            ASSERT_NE(room, nullptr);
            ASSERT_GE(end - room, static_cast<std::ptrdiff_t>(4000 + tovrel::kFoundTextPadding));
            const std::string text(4000, static_cast<char>('a' + i % 26));
            std::copy(text.begin(), text.end(), room);
            ASSERT_TRUE(printer.textWritten(room + text.size()));
            expected += text;
        }
    });
    EXPECT_TRUE(out == expected);
}

TEST(FoundPrinterText, NoneForJson) {
    const std::string out = printed([](Output& output) {
        EXPECT_EQ(FoundPrinter(output, Format::Json, Shape::Words).textLayout(), nullptr);
    });
    EXPECT_EQ(out, "");
}

// A full disk stops the search: the printer says so once the output fails.
TEST(FoundPrinterFailure, AFailedWriteStopsTheSearch) {
    const Entries entries(kTexts);
    const int fd = ::open("/dev/full", O_WRONLY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    Output output(fd);
    FoundPrinter printer(output, Format::Lines, Shape::Words);
    const FoundWord words[] = {{entries.at(0), 1}, {entries.at(1), 1}};
    int printed = 0;
    while (printed < 1000000 && printer.add(words, 2))
        ++printed;
    EXPECT_LT(printed, 1000000);
    EXPECT_EQ(output.reason(), "No space left on device");
    ::close(fd);
}

} // namespace
