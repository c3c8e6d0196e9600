// The fault table of the core: the reader and the four searches on bad word
// lists and bad typed words, and an append after each bad list. The appender's
// own faults (words it cannot store, places it cannot write to) are its test's,
// tests/core/wordlist/test_record_appender.cpp.

#include "core/search/search.h"
#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"
#include "faults/fault_tables.h"

#include <gtest/gtest.h>

namespace {

using Status = tovrel::SearchOutcome::Status;

std::vector<std::string> recordsOf(const std::string& path) {
    tovrel::RecordReader reader;
    EXPECT_FALSE(reader.open(path));
    std::vector<std::string> records;
    reader.forEachRecord([&](std::string_view record) { records.emplace_back(record); });
    return records;
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

INSTANTIATE_TEST_SUITE_P(Core, BadTypedWords, testing::ValuesIn(faults::typedWords()),
                         [](const auto& info) { return info.param.name; });

} // namespace
