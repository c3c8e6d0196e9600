#pragma once

// The bad inputs of the fault tables and what each must give, shared by the
// table of every layer (the core, tovrel2-find, the main window) so that each
// layer is held to the same rows: a clear message or the defined result, no
// crash, nothing lost.

#include "core/search/search_mode.h"
#include "support/scratch_folder.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace faults {

using tovrel::SearchMode;

inline constexpr std::array<SearchMode, 4> kModes = {SearchMode::Complete, SearchMode::Extended,
                                                     SearchMode::Partial, SearchMode::ExtendedPartial};

inline std::size_t modeIndex(SearchMode mode) {
    return static_cast<std::size_t>(mode);
}

// A piece of text repeated: large fixtures stay small in the tables.
struct Run {
    std::string text;
    std::size_t times = 1;

    std::string build() const {
        std::string out;
        out.reserve(text.size() * times);
        for (std::size_t i = 0; i < times; ++i)
            out += text;
        return out;
    }
};

inline std::string build(const std::vector<Run>& runs) {
    std::string out;
    for (const Run& run : runs)
        out += run.build();
    return out;
}

// A record found `times` times in a row.
struct Match {
    Run record;
    std::size_t times = 1;
};

inline Match match(std::string record, std::size_t times = 1) {
    return {Run{std::move(record)}, times};
}

// What a search gives: its matches in list order.
struct Found {
    std::vector<Match> matches;
    std::uint64_t count() const {
        std::uint64_t count = 0;
        for (const Match& match : matches)
            count += match.times;
        return count;
    }
    // The results text: each match followed by ", ".
    std::string text() const {
        std::string out;
        for (const Match& match : matches)
            out += Run{match.record.build() + ", ", match.times}.build();
        return out;
    }
};

// The word list in a bad state, searched for "ealpes" in each mode.
struct BadList {
    enum class Kind { File, Missing, Folder, FailingRead, Fifo };
    const char* name;
    Kind kind;
    std::vector<Run> content;   // for Kind::File and, written into it, Kind::Fifo
    std::array<Found, 4> found; // by mode, for Kind::File (and what tovrel2-find finds in a FIFO)
    const char* reason = "";    // a word of the message when the list cannot be read
    const char* warning = "";   // a word of the warning when a record is skipped for its length
};

inline constexpr char32_t kTyped[] = U"ealpes";

// The bytes of a string literal, NUL bytes included.
template <std::size_t N> std::string bytes(const char (&text)[N]) {
    return std::string(text, N - 1);
}

// The list's path in the folder, made in the state the row describes.
inline std::string makeList(const BadList& list, const ScratchFolder& folder) {
    switch (list.kind) {
    case BadList::Kind::File:
        return folder.write("dictionary.txt", build(list.content));
    case BadList::Kind::Missing:
        return folder.file("dictionary.txt");
    case BadList::Kind::Folder:
        return folder.path();
    case BadList::Kind::FailingRead:
        // Opens as a file, but reading its start fails (EIO): a real read
        // error, which permissions could not give to root.
        return "/proc/self/mem";
    case BadList::Kind::Fifo:
        // Opening it waits for a writer, and reading it for the writer's bytes.
        return ::mkfifo(folder.file("dictionary.txt").c_str(), 0600) == 0 ? folder.file("dictionary.txt")
                                                                          : std::string();
    }
    return {};
}

inline void PrintTo(const BadList& list, std::ostream* out) {
    *out << list.name;
}

inline std::vector<BadList> badLists() {
    const Found neither;
    const Found both{{match("asleep"), match("please")}};
    auto same = [](const Found& found) { return std::array<Found, 4>{found, found, found, found}; };
    // Every byte value, NUL and the delimiters among them: the line falls into
    // the fields "\0".."\t", "\v\f" and two more, none of which fits "ealpes".
    // A NUL byte is a character like any other: no letter, so the extended
    // search alone takes "pl\0ase".
    std::string everyByte;
    for (int c = 0; c < 256; ++c)
        everyByte += static_cast<char>(c);
    return {
        {"missing", BadList::Kind::Missing, {}, {}, "No such file or directory"},
        {"folder_in_its_place", BadList::Kind::Folder, {}, {}, "folder"},
        {"read_fails", BadList::Kind::FailingRead, {}, {}, "Input/output error"},
        // The window refuses it rather than freeze; tovrel2-find reads pipes on purpose.
        {"fifo_in_its_place",
         BadList::Kind::Fifo,
         {{"asleep\r\nplease\r\n"}},
         same(both),
         "not a regular file"},
        {"empty", BadList::Kind::File, {}, same(neither)},
        {"binary_and_nul_bytes",
         BadList::Kind::File,
         {{"asleep\r\n"}, {everyByte}, {bytes("\r\npl\0ase\r\n\xFF\xFE\0\r\nplease\r\n")}},
         {both, {{match("asleep"), match(bytes("pl\0ase")), match("please")}}, both, both}},
        {"single_20_mb_line",
         BadList::Kind::File,
         {{"asleep\r\n"}, {"a", 20'000'000}, {"\r\nplease\r\n"}},
         {both, both, both, {{match("asleep"), Match{{"a", 20'000'000}}, match("please")}}}},
        // Skipped without being held, with a warning; the records around it are found.
        {"record_longer_than_32_mib",
         BadList::Kind::File,
         {{"asleep\r\n"}, {"a", (std::size_t{32} << 20) + 1}, {"\r\nplease\r\n"}},
         same(both),
         "",
         "32 MiB"},
        {"a_million_empty_lines",
         BadList::Kind::File,
         {{"asleep\r\n"}, {"\r\n", 1'000'000}, {"please\r\n"}},
         {both, both, {{match("asleep"), match("", 1'000'000), match("please")}}, both}},
        {"lone_carriage_returns",
         BadList::Kind::File,
         {{"asleep\r\rplease\r"}},
         {both, both, {{match("asleep"), match(""), match("please")}}, both}},
        {"quoted_field_that_never_closes",
         BadList::Kind::File,
         {{"\"asleep\r\nplease\r\n\"lapse"}},
         {both,
          {{match("asleep"), match("please"), match("lapse")}},
          {{match("asleep"), match("please"), match("lapse")}},
          both}},
        // More matches than a signed and an unsigned 16-bit count hold: the count is 64-bit.
        {"more_than_32767_matches",
         BadList::Kind::File,
         {{"please\r\n", 32'768}},
         same({{match("please", 32'768)}})},
        {"more_than_65535_matches",
         BadList::Kind::File,
         {{"please\r\n", 70'000}},
         same({{match("please", 70'000)}})},
    };
}

// The first n characters of "ealpes" over and over, and the same letters sorted:
// a typed word of any length and its anagram in the list.
inline std::u32string cycled(std::size_t n) {
    std::u32string word;
    for (std::size_t i = 0; i < n; ++i)
        word += U"ealpes"[i % 6];
    return word;
}

inline std::string sortedLetters(std::size_t n) {
    std::string letters;
    for (const char32_t c : cycled(n))
        letters += static_cast<char>(c);
    std::sort(letters.begin(), letters.end());
    return letters;
}

inline constexpr std::size_t kLongLengths[] = {20, 21, 36, 51, 1'000, 100'000};

// The list that the typed words are searched in: records named for the rows
// that find them, in list order.
struct Record {
    std::string key;
    std::string line; // as it stands in the file
    std::string text; // as read
};

inline std::vector<Record> typedWordList() {
    std::vector<Record> records = {
        {"empty", "", ""},
        {"a", "a", "a"},
        {"asleep", "asleep", "asleep"},
        {"please", "please", "please"},
        {"blanks", "\"  \"", "  "},
        {"digits", "123", "123"},
        {"symbols", "#!", "#!"},
        {"latin1", "\xE9t\xE9", "\xE9t\xE9"},
        {"control", "\t\x01", "\t\x01"},
    };
    for (const std::size_t n : kLongLengths)
        records.push_back({"sorted" + std::to_string(n), sortedLetters(n), sortedLetters(n)});
    return records;
}

inline std::string typedWordListContent() {
    std::string content;
    for (const Record& record : typedWordList())
        content += record.line + "\r\n";
    return content;
}

// A typed word, and the keys of the records each mode finds for it.
struct TypedWord {
    std::string name;
    std::u32string typed;
    bool refusedByComplete = false;
    std::array<std::set<std::string>, 4> found; // by mode
};

inline void PrintTo(const TypedWord& word, std::ostream* out) {
    *out << word.name;
}

inline Found foundIn(const std::set<std::string>& keys) {
    Found found;
    for (const Record& record : typedWordList())
        if (keys.count(record.key))
            found.matches.push_back(match(record.text));
    return found;
}

inline std::vector<TypedWord> typedWords() {
    // No letter a to z typed: the extended search lists the records without one.
    const std::set<std::string> noLetter = {"empty", "blanks", "digits", "symbols", "control"};
    std::vector<TypedWord> words = {
        {"no_character", U"", false, {{{"empty"}, noLetter, {"empty"}, {"empty"}}}},
        {"one_character", U"a", false, {{{"a"}, {"a"}, {"empty", "a"}, {"a"}}}},
        {"blanks_only", U"   ", false, {{{"empty"}, noLetter, {"empty", "blanks"}, {}}}},
        {"symbols", U"!@#$%", true, {{{}, noLetter, {"empty", "symbols"}, {}}}},
        {"latin1_capitals_and_beyond_latin1",
         U"\u00C9T\u00C9\u20AC",
         true,
         {{{}, {"latin1"}, {"empty", "latin1"}, {}}}},
        // Cut down to a byte, U+0161 and U+0165 would be "a" and "e".
        {"beyond_latin1_with_a_letter_for_low_byte", U"\u0161\u0165", true, {{{}, noLetter, {"empty"}, {}}}},
        {"control_characters", U"\t\x01", true, {{{}, noLetter, {"empty", "control"}, {"control"}}}},
        {"line_break", U"a\nb", true, {{{}, {}, {"empty", "a"}, {}}}},
    };
    // The letters of "ealpes" at lengths on both sides of 20, 35 and 50
    // characters, where a fixed-size field would end, and far beyond: a typed
    // word of any length is searched whole.
    for (const std::size_t n : kLongLengths) {
        const std::string exact = "sorted" + std::to_string(n);
        std::set<std::string> sameLetters = {"asleep", "please"};
        std::set<std::string> noLonger = {"empty", "a", "asleep", "please"};
        std::set<std::string> noShorter;
        for (const std::size_t m : kLongLengths) {
            sameLetters.insert("sorted" + std::to_string(m));
            (m <= n ? noLonger : noShorter).insert("sorted" + std::to_string(m));
        }
        noShorter.insert(exact);
        words.push_back({std::to_string(n) + "_characters",
                         cycled(n),
                         false,
                         {{{exact}, sameLetters, noLonger, noShorter}}});
    }
    return words;
}

} // namespace faults
