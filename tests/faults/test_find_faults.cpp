// The fault table of tovrel2-find: the bad word lists and bad typed words of
// the core's table, given on the command line in every mode.

#include "cli/find_program.h"
#include "core/search/messages.h"
#include "core/wordlist/utf8.h"
#include "faults/fault_tables.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

namespace messages = tovrel::messages;

using Printed = ProgramRun;

Printed find(const std::vector<std::string>& arguments) {
    return runFind(arguments);
}

// The rows hold no character beyond U+FFFF.
std::string utf8(std::u32string_view word) {
    std::string out;
    for (const char32_t c : word) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

// What the command prints for a search that found `found`, in the box's
// format: the results box's text in UTF-8, or the no-result text; with
// --count, the number. The lists are read as Latin-1, as the window reads them.
void expectPrinted(const std::string& list, tovrel::SearchMode mode, const std::string& typed,
                   const faults::Found& found, const std::string& warning = "") {
    const std::string modeName(tovrel::modeName(mode));
    const int status = found.count() ? 0 : 1;
    const Printed listed =
        find({"--dictionary", list, "--encoding=latin-1", "--format=box", modeName, typed});
    EXPECT_EQ(listed.status, status) << listed.err;
    std::string text;
    tovrel::appendLatin1AsUtf8(found.text(), text);
    EXPECT_TRUE(listed.out == (found.count() ? text : messages::kNoResult) + "\n")
        << "printed " << listed.out.size() << " bytes";
    if (warning.empty())
        EXPECT_EQ(listed.err, "");
    else
        EXPECT_NE(listed.err.find(warning), std::string::npos) << listed.err;

    const Printed counted = find({"--dictionary", list, "--encoding=latin-1", "--count", modeName, typed});
    EXPECT_EQ(counted.status, status);
    EXPECT_EQ(counted.out, std::to_string(found.count()) + "\n");
}

class BadLists : public testing::TestWithParam<faults::BadList> {};

TEST_P(BadLists, EachModePrintsItsResultOrNamesTheList) {
    const faults::BadList& list = GetParam();
    ScratchFolder folder;
    const std::string path = faults::makeList(list, folder);
    for (const tovrel::SearchMode mode : faults::kModes) {
        SCOPED_TRACE(std::string(tovrel::modeName(mode)));
        if (list.kind == faults::BadList::Kind::File) {
            expectPrinted(path, mode, "ealpes", list.found[faults::modeIndex(mode)], list.warning);
            continue;
        }
        if (list.kind == faults::BadList::Kind::Fifo) {
            // Read as it comes; a writer that finds no reader within ten seconds gives up.
            std::thread writer([&] {
                for (int tries = 0; tries < 1000; ++tries) {
                    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK);
                    if (fd >= 0) {
                        const std::string content = faults::build(list.content);
                        EXPECT_EQ(::write(fd, content.data(), content.size()), ssize_t(content.size()));
                        ::close(fd);
                        return;
                    }
                    ::usleep(10000);
                }
            });
            const Printed run =
                find({"--dictionary", path, "--format=box", std::string(tovrel::modeName(mode)), "ealpes"});
            writer.join();
            std::string text;
            tovrel::appendLatin1AsUtf8(list.found[faults::modeIndex(mode)].text(), text);
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_EQ(run.out, text + "\n");
            continue;
        }
        const Printed run = find({"--dictionary", path, std::string(tovrel::modeName(mode)), "ealpes"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(path), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(list.reason), std::string::npos) << run.err;
    }
}

INSTANTIATE_TEST_SUITE_P(FindCommand, BadLists, testing::ValuesIn(faults::badLists()),
                         [](const auto& info) { return std::string(info.param.name); });

class BadTypedWords : public testing::TestWithParam<faults::TypedWord> {};

TEST_P(BadTypedWords, EachModePrintsItsResultOrSaysWhy) {
    const faults::TypedWord& word = GetParam();
    ScratchFolder folder;
    const std::string path = folder.write("dictionary.txt", faults::typedWordListContent());
    const std::string typed = utf8(word.typed);
    for (const tovrel::SearchMode mode : faults::kModes) {
        SCOPED_TRACE(std::string(tovrel::modeName(mode)));
        const bool empty = word.typed.empty();
        if (empty || (mode == tovrel::SearchMode::Complete && word.refusedByComplete)) {
            const Printed run = find({"--dictionary", path, std::string(tovrel::modeName(mode)), typed});
            EXPECT_EQ(run.status, 2);
            EXPECT_EQ(run.out, "");
            EXPECT_EQ(run.err, "tovrel2-find: " +
                                   std::string(empty ? messages::kEmptyInput : messages::kNoSymbols) + "\n");
            continue;
        }
        expectPrinted(path, mode, typed, faults::foundIn(word.found[faults::modeIndex(mode)]));
    }
}

INSTANTIATE_TEST_SUITE_P(FindCommand, BadTypedWords, testing::ValuesIn(faults::typedWords()),
                         [](const auto& info) { return info.param.name; });

} // namespace
