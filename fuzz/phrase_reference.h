#pragma once

// Slow and plain versions of the phrase, tiles and pattern rules, written
// straight from their wording, for the fuzz targets to hold the core against:
// letters counted in maps, every multiset tried, patterns matched by
// recursion.

#include "reference.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace reference {

inline bool isLetter(char32_t c) {
    const char32_t small = lower(c);
    return (small >= 'a' && small <= 'z') || (small >= 0xDF && small <= 0xFF && small != 0xF7);
}

using LetterCounts = std::map<char32_t, int>;

// The letters of a record, lower-cased; what is no letter is skipped.
inline std::u32string lettersOf(std::string_view record) {
    std::u32string out;
    for (const char c : record)
        if (isLetter(code(c)))
            out += lower(code(c));
    return out;
}

inline LetterCounts counted(std::u32string_view letters) {
    LetterCounts counts;
    for (const char32_t c : letters)
        ++counts[c];
    return counts;
}

// Whether `part` can be taken from `whole`, and what is left.
inline bool takeFrom(LetterCounts& whole, const LetterCounts& part) {
    for (const auto& [letter, count] : part) {
        auto it = whole.find(letter);
        if (it == whole.end() || it->second < count)
            return false;
    }
    for (const auto& [letter, count] : part)
        if ((whole[letter] -= count) == 0)
            whole.erase(letter);
    return true;
}

inline bool hasCapital(std::string_view record) {
    return std::any_of(record.begin(), record.end(), [](char c) { return lower(code(c)) != code(c); });
}

using Result = std::vector<std::string>; // its entries, sorted

// Every multiset of at most `maxWords` distinct usable entries (each at least
// `minLength` letters) whose letters are exactly `phrase`, with `included`
// in each; sorted entries each.
inline std::vector<Result> phraseResults(const LetterCounts& phrase, const std::vector<std::string>& records,
                                         std::size_t maxWords, std::size_t minLength, bool noCapitals,
                                         const std::vector<std::string>& included,
                                         const std::vector<std::string>& excluded) {
    LetterCounts left = phrase;
    for (const std::string& word : included) {
        if (std::find(records.begin(), records.end(), word) == records.end() ||
            std::find(excluded.begin(), excluded.end(), word) != excluded.end() ||
            !takeFrom(left, counted(lettersOf(word))))
            return {};
    }
    if (included.size() > maxWords)
        return {};
    std::vector<std::string> usable;
    for (const std::string& record : records) {
        const std::u32string letters = lettersOf(record);
        if (letters.size() >= std::max<std::size_t>(minLength, 1) && !(noCapitals && hasCapital(record)) &&
            std::find(excluded.begin(), excluded.end(), record) == excluded.end() &&
            std::find(usable.begin(), usable.end(), record) == usable.end())
            usable.push_back(record);
    }
    std::vector<Result> results;
    Result chosen = included;
    auto search = [&](auto& self, std::size_t from, const LetterCounts& rest) -> void {
        if (rest.empty()) {
            if (!chosen.empty() && chosen.size() <= maxWords) {
                Result sorted = chosen;
                std::sort(sorted.begin(), sorted.end());
                results.push_back(sorted);
            }
            return;
        }
        if (chosen.size() >= maxWords)
            return;
        for (std::size_t i = from; i < usable.size(); ++i) {
            LetterCounts after = rest;
            if (!takeFrom(after, counted(lettersOf(usable[i]))))
                continue;
            chosen.push_back(usable[i]);
            self(self, i, after);
            chosen.pop_back();
        }
    };
    search(search, 0, left);
    std::sort(results.begin(), results.end());
    return results;
}

// The rank of a result: fewer words first, then its levels rarest first,
// then its shortest word, longer first.
inline std::vector<int> rank(const Result& entries, const std::map<std::string, int>& levels) {
    std::vector<int> levelsOf;
    std::size_t shortest = SIZE_MAX;
    for (const std::string& entry : entries) {
        const auto it = levels.find(entry);
        levelsOf.push_back(it == levels.end() ? 255 : it->second);
        shortest = std::min(shortest, lettersOf(entry).size());
    }
    std::sort(levelsOf.rbegin(), levelsOf.rend());
    std::vector<int> key{static_cast<int>(entries.size())};
    key.insert(key.end(), levelsOf.begin(), levelsOf.end());
    key.push_back(-static_cast<int>(shortest));
    return key;
}

// Whether `letters` fit the pattern's tokens (lower-cased; "?" and "." one
// letter, "*" any run), by the table of which ends of the two fit.
inline bool patternFits(std::u32string_view tokens, std::u32string_view letters) {
    const std::size_t n = tokens.size(), m = letters.size();
    std::vector<std::vector<bool>> fits(n + 1, std::vector<bool>(m + 1, false)); // tokens[i:] fit letters[j:]
    fits[n][m] = true;
    for (std::size_t i = n; i-- > 0;)
        for (std::size_t j = m + 1; j-- > 0;) {
            if (tokens[i] == '*')
                fits[i][j] = fits[i + 1][j] || (j < m && fits[i][j + 1]);
            else
                fits[i][j] = j < m && (tokens[i] == '?' || tokens[i] == '.' || tokens[i] == letters[j]) &&
                             fits[i + 1][j + 1];
        }
    return fits[0][0];
}

} // namespace reference
