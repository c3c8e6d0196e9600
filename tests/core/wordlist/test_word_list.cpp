#include "core/search/search.h"
#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"
#include "support/records.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using tovrel::AppendError;
using tovrel::SearchMode;
using tovrel::WordList;

// Every record of the list, the shipped file and the added words in turn.
Records recordsOf(const WordList& list) {
    Records records;
    const auto error = list.read([&](tovrel::RecordReader& reader) {
        for (std::string& record : readEachRecord(reader))
            records.push_back(std::move(record));
        return true;
    });
    EXPECT_FALSE(error) << error->message();
    return records;
}

struct ShippedCase {
    const char* name;
    std::string shipped;
};

void PrintTo(const ShippedCase& c, std::ostream* out) {
    *out << c.name;
}

// Shipped lists whose last line the appender has to treat with care.
const ShippedCase kShipped[] = {
    {"after_a_final_line_end", "asleep\r\nplease\r\n"}, {"without_a_final_line_end", "asleep\r\nplease"},
    {"after_a_final_comma", "asleep,please,"},          {"inside_an_unclosed_quote", "asleep\r\n\"please"},
    {"after_blank_lines", "asleep\r\n\r\n\r\n"},        {"empty", ""},
};

const std::u32string kAdded[] = {U"elapse", U"Sapele", U"lap se", U"x,y", U"caf\u00E9"};

class AddedApart : public testing::TestWithParam<ShippedCase> {};

// The words added to the user's own file are read exactly as if they had been
// appended to the shipped list: the same records, the same results in every
// mode, in the same order, with the same counts.
TEST_P(AddedApart, ReadAsIfAppendedToTheList) {
    ScratchFolder folder;
    const WordList apart(folder.write("shipped.txt", GetParam().shipped),
                         folder.file("data/tovrel2/added.txt"));
    const WordList together(folder.write("together.txt", GetParam().shipped));
    EXPECT_EQ(recordsOf(apart), recordsOf(together)) << "before any word was added";
    for (const std::u32string& word : kAdded) {
        ASSERT_FALSE(apart.append(word));
        ASSERT_FALSE(together.append(word));
    }
    EXPECT_EQ(ScratchFolder::read(folder.file("shipped.txt")), GetParam().shipped);
    EXPECT_EQ(recordsOf(apart), recordsOf(together));

    for (const SearchMode mode :
         {SearchMode::Complete, SearchMode::Extended, SearchMode::Partial, SearchMode::ExtendedPartial}) {
        for (const std::u32string typed : {U"ealpes", U"ealp es", U"yx,"}) {
            const tovrel::SearchOutcome expected = tovrel::search(mode, typed, together);
            const tovrel::SearchOutcome found = tovrel::search(mode, typed, apart);
            EXPECT_EQ(found.status, expected.status);
            EXPECT_EQ(found.text, expected.text);
            EXPECT_EQ(found.count, expected.count);
            EXPECT_EQ(tovrel::search(mode, typed, apart, tovrel::Listing::CountOnly).count, expected.count);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(WordList, AddedApart, testing::ValuesIn(kShipped),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(WordList, NoAddedWordsYetIsTheShippedListAlone) {
    ScratchFolder folder;
    const WordList list(folder.write("shipped.txt", "asleep\r\nplease\r\n"),
                        folder.file("missing/added.txt"));
    EXPECT_EQ(recordsOf(list), (Records{"asleep", "please"}));
    EXPECT_EQ(tovrel::search(SearchMode::Complete, U"ealpes", list).text, "asleep, please, ");
}

// The first added word makes the folders, private to the user, and the file.
TEST(WordList, TheFirstAddedWordCreatesTheFoldersAndTheFile) {
    ScratchFolder folder;
    const WordList list(folder.write("shipped.txt", "asleep\r\n"),
                        folder.file("data/tovrel2/added-words.txt"));
    ASSERT_FALSE(list.append(U"zebra"));
    EXPECT_EQ(ScratchFolder::read(folder.file("data/tovrel2/added-words.txt")), "\"zebra\"\r\n");
    EXPECT_EQ(ScratchFolder::read(folder.file("shipped.txt")), "asleep\r\n");
    for (const char* made : {"data", "data/tovrel2"}) {
        struct stat status {};
        ASSERT_EQ(::stat(folder.file(made).c_str(), &status), 0) << made;
        EXPECT_EQ(status.st_mode & 0777, 0700u) << made;
    }
}

TEST(WordList, AListOfOneFileTakesTheWordItself) {
    ScratchFolder folder;
    const WordList list(folder.write("dictionary.txt", "asleep\r\n"));
    ASSERT_FALSE(list.append(U"zebra"));
    EXPECT_EQ(ScratchFolder::read(folder.file("dictionary.txt")), "asleep\r\n\"zebra\"\r\n");
}

// A refused word makes no folder; a folder that cannot be made is named.
TEST(WordList, NothingIsCreatedForARefusedWordAndAFailedFolderIsNamed) {
    ScratchFolder folder;
    const std::string shipped = folder.write("shipped.txt", "asleep\r\n");
    const auto refused = WordList(shipped, folder.file("data/added.txt")).append(U"say \"hi\"");
    ASSERT_TRUE(refused);
    EXPECT_EQ(refused->kind, AppendError::Kind::DoubleQuote);
    EXPECT_FALSE(std::ifstream(folder.file("data")).good());

    // A file where a folder should be.
    folder.write("data", "");
    const auto failed = WordList(shipped, folder.file("data/tovrel2/added.txt")).append(U"zebra");
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, AppendError::Kind::File);
    EXPECT_NE(failed->reason.find(folder.file("data")), std::string::npos) << failed->reason;
}

// Either file that cannot be read stops the search with an error naming it.
TEST(WordList, AnUnreadableFileIsNamed) {
    ScratchFolder folder;
    const std::string shipped = folder.write("shipped.txt", "asleep\r\n");
    const std::string added = folder.file("added.txt");
    ASSERT_EQ(::mkdir(added.c_str(), 0700), 0);
    for (const WordList& list : {WordList(folder.file("missing.txt"), added), WordList(shipped, added)}) {
        const tovrel::SearchOutcome outcome = tovrel::search(SearchMode::Complete, U"ealpes", list);
        EXPECT_EQ(outcome.status, tovrel::SearchOutcome::Status::Unreadable);
        ASSERT_TRUE(outcome.error);
        EXPECT_EQ(outcome.error->path, list.shippedPath() == shipped ? added : folder.file("missing.txt"));
    }
}

// Several instances adding words at the same moment, to a file that does not
// exist yet: every word lands whole, once.
TEST(WordList, WordsAddedAtTheSameMomentAreAllKept) {
    ScratchFolder folder;
    const WordList list(folder.write("shipped.txt", "asleep\r\n"),
                        folder.file("data/tovrel2/added-words.txt"));
    constexpr int kWriters = 4;
    constexpr int kWords = 200;
    std::vector<std::thread> writers;
    for (int writer = 0; writer < kWriters; ++writer) {
        writers.emplace_back([&list, writer] {
            for (int n = 0; n < kWords; ++n) {
                std::u32string word = U"w";
                for (char c : std::to_string(writer) + "-" + std::to_string(n))
                    word += static_cast<char32_t>(c);
                EXPECT_FALSE(list.append(word));
            }
        });
    }
    for (std::thread& writer : writers)
        writer.join();

    const Records records = recordsOf(list);
    ASSERT_EQ(records.size(), std::size_t{1 + kWriters * kWords});
    EXPECT_EQ(records.front(), "asleep");
    const std::set<std::string> distinct(records.begin() + 1, records.end());
    EXPECT_EQ(distinct.size(), std::size_t{kWriters * kWords});
}

} // namespace
