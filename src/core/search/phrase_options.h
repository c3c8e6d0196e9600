#pragma once

#include "core/search/search_options.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tovrel {

// What a phrase search looks for and how it hands out its results.
struct PhraseOptions {
    enum class Order {
        Ranked, // fewer words first, then by commonness (see RankKeys), then in a fixed order
        List,   // as found: by number of words, then as the search meets them, entries in list order
        // Ranked up to kMostWordsRankedFirst words, as found beyond: results of
        // four words run to millions, and ranking them holds a record of each
        // and takes several times as long as printing them.
        RankedShortResults,
    };

    std::u32string phrase;               // letters; blanks are ignored, capitals count as small letters
    std::size_t maxWords = 3;            // 1 to kMostWords
    std::size_t minLength = 2;           // letters of each word found; 0 counts as 1
    bool noCapitals = false;             // leave out entries with a capital letter
    std::vector<std::u32string> include; // entries that every result holds (once for each time given)
    std::vector<std::u32string> exclude; // entries that no result holds
    std::uint64_t limit = 0;             // hand out at most this many results; 0 for all
    bool group = false;                  // one line for the results whose words are anagrams word by word
    Order order = Order::Ranked;
    // What ranking may hold at a time, in bytes; more results are ranked a
    // part at a time, searching again for each part (see RankedPass).
    std::size_t rankingBudget = std::size_t{64} << 20;
    SearchOptions reading;

    static constexpr std::size_t kMostWords = 16;
    static constexpr std::size_t kMostWordsRankedFirst = 3;
    static constexpr std::size_t kLongestPhrase = 128; // letters
};

} // namespace tovrel
