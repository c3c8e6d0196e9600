// The fault table of the core: the reader, the four searches and the appender
// on bad word lists, bad typed words and bad places to append to.

#include "core/search/search.h"
#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"
#include "faults/fault_tables.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

using Status = tovrel::SearchOutcome::Status;

std::vector<std::string> recordsOf(const std::string& path) {
    tovrel::RecordReader reader;
    EXPECT_FALSE(reader.open(path));
    std::vector<std::string> records;
    reader.forEachRecord([&](std::string_view record) { records.emplace_back(record); });
    return records;
}

std::string latin1(std::u32string_view word) {
    std::string out;
    for (const char32_t c : word)
        out += static_cast<char>(c);
    return out;
}

void expectFound(const std::string& path, std::u32string_view typed, tovrel::SearchMode mode,
                 const faults::Found& found, std::uint64_t skipped = 0) {
    const tovrel::SearchOutcome listed = tovrel::search(mode, typed, path);
    EXPECT_EQ(listed.status, Status::Done);
    EXPECT_EQ(listed.skipped.count, skipped);
    EXPECT_EQ(listed.count, found.count());
    EXPECT_TRUE(listed.text == found.text()) << "results text of " << listed.text.size() << " bytes";
    const tovrel::SearchOutcome counted = tovrel::search(mode, typed, path, tovrel::Listing::CountOnly);
    EXPECT_EQ(counted.count, found.count());
}

class BadLists : public testing::TestWithParam<faults::BadList> {};

// Each mode gives the defined result or says that the list cannot be read,
// naming it; a word added afterwards comes last and loses none of the others.
TEST_P(BadLists, EachModeGivesItsResultAndAnAppendLosesNothing) {
    const faults::BadList& list = GetParam();
    ScratchFolder folder;
    const std::string path = faults::makeList(list, folder);

    for (const tovrel::SearchMode mode : faults::kModes) {
        SCOPED_TRACE(std::string(tovrel::modeName(mode)));
        if (list.kind != faults::BadList::Kind::File) {
            const tovrel::SearchOutcome outcome = tovrel::search(mode, faults::kTyped, path);
            EXPECT_EQ(outcome.status, Status::Unreadable);
            ASSERT_TRUE(outcome.error);
            EXPECT_NE(outcome.error->message().find(path), std::string::npos) << outcome.error->message();
            EXPECT_NE(outcome.error->message().find(list.reason), std::string::npos)
                << outcome.error->message();
            EXPECT_TRUE(outcome.text.empty());
            continue;
        }
        expectFound(path, faults::kTyped, mode, list.found[faults::modeIndex(mode)], *list.warning ? 1 : 0);
    }

    if (list.kind != faults::BadList::Kind::File)
        return;
    const std::vector<std::string> before = recordsOf(path);
    ASSERT_FALSE(tovrel::appendRecord(path, U"zebra"));
    std::vector<std::string> after = recordsOf(path);
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after.back(), "zebra");
    after.pop_back();
    EXPECT_TRUE(after == before) << "old records changed by the append";
    expectFound(path, U"arbez", tovrel::SearchMode::Complete, {{faults::match("zebra")}},
                *list.warning ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Core, BadLists, testing::ValuesIn(faults::badLists()),
                         [](const auto& info) { return std::string(info.param.name); });

class BadTypedWords : public testing::TestWithParam<faults::TypedWord> {};

TEST_P(BadTypedWords, EachModeGivesItsResult) {
    const faults::TypedWord& word = GetParam();
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", faults::typedWordListContent());
    for (const tovrel::SearchMode mode : faults::kModes) {
        SCOPED_TRACE(std::string(tovrel::modeName(mode)));
        if (mode == tovrel::SearchMode::Complete && word.refusedByComplete) {
            const tovrel::SearchOutcome outcome = tovrel::search(mode, word.typed, path);
            EXPECT_EQ(outcome.status, Status::RefusedInput);
            EXPECT_EQ(outcome.count, 0u);
            EXPECT_TRUE(outcome.text.empty());
            continue;
        }
        expectFound(path, word.typed, mode, faults::foundIn(word.found[faults::modeIndex(mode)]));
    }
}

// The word is stored and reads back as typed after every old record, or it is
// refused with a reason and the list stays byte for byte as it was.
TEST_P(BadTypedWords, TheAppenderStoresItWholeOrRefusesIt) {
    const faults::TypedWord& word = GetParam();
    ScratchFolder folder;
    const std::string content = faults::typedWordListContent();
    const std::string path = folder.write("dictionary.txt", content);
    const std::vector<std::string> before = recordsOf(path);

    const auto error = tovrel::appendRecord(path, word.typed);
    if (!word.storable) {
        ASSERT_TRUE(error);
        EXPECT_NE(error->kind, tovrel::AppendError::Kind::File);
        EXPECT_FALSE(error->reason.empty());
        EXPECT_TRUE(ScratchFolder::read(path) == content);
        return;
    }
    ASSERT_FALSE(error) << error->reason;
    std::vector<std::string> expected = before;
    expected.push_back(latin1(word.typed));
    EXPECT_TRUE(recordsOf(path) == expected);
}

INSTANTIATE_TEST_SUITE_P(Core, BadTypedWords, testing::ValuesIn(faults::typedWords()),
                         [](const auto& info) { return info.param.name; });

class BadAppends : public testing::TestWithParam<faults::BadAppend> {};

TEST_P(BadAppends, TheWordIsStoredOrTheFailureReported) {
    const faults::BadAppend& append = GetParam();
    ScratchFolder folder;
    const std::string path = faults::makeAppendTarget(append, folder);
    ASSERT_FALSE(path.empty());

    const auto error = tovrel::appendRecord(path, U"zebra");
    if (append.succeeds) {
        ASSERT_FALSE(error) << error->reason;
        EXPECT_EQ(ScratchFolder::read(path), append.after);
        return;
    }
    ASSERT_TRUE(error);
    EXPECT_EQ(error->kind, tovrel::AppendError::Kind::File);
    EXPECT_NE(error->reason.find(path), std::string::npos) << error->reason;
    // Nothing was made in its place: the folder is still one, the missing folder still missing.
    struct stat status {};
    if (append.kind == faults::BadAppend::Kind::Folder) {
        EXPECT_TRUE(::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode));
    }
    if (append.kind == faults::BadAppend::Kind::MissingFolder) {
        EXPECT_NE(::stat(folder.file("missing").c_str(), &status), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Core, BadAppends, testing::ValuesIn(faults::badAppends()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
