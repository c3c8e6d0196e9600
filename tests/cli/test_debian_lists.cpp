// Debian's own word lists, UTF-8 with accents, searched by the command and by
// a plain reference written from the rules: decode each line, fold case with
// Unicode's simple folding, compare sorted characters or sets.

#include "cli/find_program.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <unicode/uchar.h>
#include <unicode/utf8.h>

namespace {

std::u32string decode(const std::string& utf8) {
    std::u32string out;
    const auto* s = reinterpret_cast<const std::uint8_t*>(utf8.data());
    const auto length = static_cast<std::int32_t>(utf8.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        out.push_back(static_cast<char32_t>(c));
    }
    return out;
}

std::u32string folded(const std::u32string& text) {
    std::u32string out;
    for (const char32_t c : text)
        out.push_back(static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)));
    return out;
}

std::string encode(const std::u32string& text) {
    std::string out;
    for (const char32_t c : text) {
        std::uint8_t bytes[4];
        std::int32_t length = 0;
        UBool failed = false;
        U8_APPEND(bytes, length, 4, static_cast<UChar32>(c), failed);
        out.append(failed
                       ? "\xEF\xBF\xBD"
                       : std::string(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length)));
    }
    return out;
}

std::set<char32_t> lettersAToZ(const std::u32string& text) {
    std::set<char32_t> out;
    for (const char32_t c : text)
        if (c >= U'a' && c <= U'z')
            out.insert(c);
    return out;
}

// What each mode lists for the typed word, by the rules alone.
std::string reference(const std::string& path, const std::string& mode, const std::string& word) {
    const std::u32string typed = folded(decode(word));
    const std::set<char32_t> characters(typed.begin(), typed.end());
    std::u32string sortedTyped = typed;
    std::sort(sortedTyped.begin(), sortedTyped.end());
    std::string out;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        const std::u32string record = decode(line);
        const std::u32string lower = folded(record);
        const auto allIn = [&](const std::u32string& text) {
            return std::all_of(text.begin(), text.end(), [&](char32_t c) { return characters.count(c) > 0; });
        };
        bool match = false;
        std::u32string listed = record;
        if (mode == "complete") {
            std::u32string sorted = lower;
            std::sort(sorted.begin(), sorted.end());
            match = sorted == sortedTyped;
            listed = lower;
        } else if (mode == "extended") {
            match = lettersAToZ(record) == lettersAToZ(typed);
        } else if (mode == "partial") {
            match = record.size() <= typed.size() && allIn(record);
        } else {
            match = lower.size() >= typed.size() && allIn(lower);
            listed = lower;
        }
        if (match)
            out += encode(listed) + "\n";
    }
    return out;
}

struct ListCase {
    const char* name;
    std::string path;
    std::vector<std::string> words;
};

void PrintTo(const ListCase& c, std::ostream* out) {
    *out << c.name;
}

const ListCase kLists[] = {
    {"american_english_huge",
     "/usr/share/dict/american-english-huge",
     {"\xC3\xA9"
      "fac",
      "ealpes"}},
    {"french", "/usr/share/dict/french", {"t\xC3\xAAte", "\xC3\xA9t\xC3\xA9"}},
    {"ngerman",
     "/usr/share/dict/ngerman",
     {"R\xC3\xBC"
      "be",
      "\xC3\xA4rb"}},
};

class DebianLists : public testing::TestWithParam<ListCase> {};

TEST_P(DebianLists, EachModeAgreesWithTheReference) {
    for (const std::string& word : GetParam().words) {
        for (const char* mode : {"complete", "extended", "partial", "extended-partial"}) {
            const ProgramRun run = runFind({"-d", GetParam().path, mode, word});
            const std::string expected = reference(GetParam().path, mode, word);
            EXPECT_EQ(run.status, expected.empty() ? 1 : 0) << mode << " " << word << ": " << run.err;
            EXPECT_TRUE(run.out == expected) << mode << " " << word << ": printed " << run.out.size()
                                             << " bytes, the reference " << expected.size();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Utf8, DebianLists, testing::ValuesIn(kLists),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
