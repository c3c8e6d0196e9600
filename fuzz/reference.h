#pragma once

// Slow and plain versions of the word-list format and the four matching rules,
// written straight from their wording, for the fuzz targets to hold the fast
// code against. Sets and sorted strings only: no tables, no tricks.

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace reference {

inline bool isDelimiter(char c) {
    return c == ',' || c == '\r' || c == '\n';
}

inline bool isLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// Every record of the content, read as the program reads a list: test the
// end, read one record, again.
inline std::vector<std::string> records(std::string_view text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    const std::size_t n = text.size();
    while (pos < n) {
        while (pos < n && text[pos] == ' ')
            ++pos;
        std::string field;
        if (pos < n && text[pos] == '"') {
            ++pos;
            while (pos < n && text[pos] != '"' && !isLineEnd(text[pos]))
                field += text[pos++];
            if (pos < n && text[pos] == '"') {
                ++pos;
                while (pos < n && !isDelimiter(text[pos]))
                    ++pos;
            }
        } else {
            while (pos < n && !isDelimiter(text[pos]))
                field += text[pos++];
            while (!field.empty() && field.back() == ' ')
                field.pop_back();
        }
        if (pos < n) {
            const bool carriageReturn = text[pos] == '\r';
            ++pos;
            if (carriageReturn && pos < n && text[pos] == '\n')
                ++pos;
        }
        out.push_back(field);
    }
    return out;
}

inline char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c - 'A' + 'a';
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 0x20;
    return c;
}

inline char32_t code(char byte) {
    return static_cast<unsigned char>(byte);
}

inline std::u32string lowered(std::u32string_view word) {
    std::u32string out;
    for (const char32_t c : word)
        out += lower(c);
    return out;
}

inline std::u32string lowered(std::string_view record) {
    std::u32string out;
    for (const char c : record)
        out += lower(code(c));
    return out;
}

inline std::u32string asRead(std::string_view record) {
    std::u32string out;
    for (const char c : record)
        out += code(c);
    return out;
}

inline std::string lowerCasedRecord(std::string_view record) {
    std::string out;
    for (const char c : record)
        out += static_cast<char>(lower(code(c)));
    return out;
}

inline std::set<char32_t> lettersAToZ(std::u32string_view text) {
    std::set<char32_t> out;
    for (const char32_t c : text)
        if (c >= 'a' && c <= 'z')
            out.insert(c);
    return out;
}

// What the complete-word search takes in a Latin-1 list, once lower-cased: the
// letters a to z and à to ÿ (but ÷), ß among them, and "{", which has its slot.
inline bool notLetterOrBrace(char32_t c) {
    const bool letter = (c >= 'a' && c <= '{') || (c >= 0xDF && c <= 0xFF && c != 0xF7);
    return !letter;
}

// What the rules need of the typed word, worked out once for many records.
struct Typed {
    explicit Typed(std::u32string_view typed) : length(typed.size()) {
        const std::u32string lowerCased = lowered(typed);
        characters.insert(lowerCased.begin(), lowerCased.end());
        letters = lettersAToZ(lowerCased);
        // Complete words: the typed word without its blanks, lower-cased.
        for (const char32_t c : lowerCased)
            if (c != ' ')
                normalised += c;
        completeRefuses = std::any_of(normalised.begin(), normalised.end(), notLetterOrBrace);
        std::sort(normalised.begin(), normalised.end());
    }

    std::size_t length;            // in code points
    std::set<char32_t> characters; // lower-cased
    std::set<char32_t> letters;
    std::u32string normalised; // sorted
    bool completeRefuses;
};

inline bool allIn(std::u32string_view text, const std::set<char32_t>& allowed) {
    return std::all_of(text.begin(), text.end(), [&](char32_t c) { return allowed.count(c) > 0; });
}

inline bool completeMatches(const Typed& typed, std::string_view record) {
    if (typed.completeRefuses)
        return false;
    std::u32string candidate = lowered(record);
    if (candidate.size() != typed.normalised.size() ||
        std::any_of(candidate.begin(), candidate.end(), notLetterOrBrace))
        return false;
    std::sort(candidate.begin(), candidate.end());
    return candidate == typed.normalised;
}

inline bool extendedMatches(const Typed& typed, std::string_view record) {
    return typed.letters == lettersAToZ(asRead(record));
}

inline bool partialMatches(const Typed& typed, std::string_view record) {
    return record.size() <= typed.length && allIn(asRead(record), typed.characters);
}

inline bool extendedPartialMatches(const Typed& typed, std::string_view record) {
    return record.size() >= typed.length && allIn(lowered(record), typed.characters);
}

} // namespace reference
