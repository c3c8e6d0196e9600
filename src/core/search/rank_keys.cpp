#include "core/search/rank_keys.h"

#include "core/search/phrase_options.h"

#include <algorithm>

namespace tovrel {

RankKeys::RankKeys(const std::vector<std::uint8_t>& levels, std::size_t words, std::uint32_t longest)
    : words_(words), longest_(longest) {
    bool present[256] = {};
    for (const std::uint8_t level : levels)
        present[level] = true;
    std::size_t distinct = 0;
    for (int level = 0; level < 256; ++level)
        if (present[level])
            rank_[level] = static_cast<std::uint8_t>(distinct++);
    distinct = std::max<std::size_t>(distinct, 1);
    // Few levels and words (Commonness::kMostLevels, PhraseOptions::kMostWords) keep these far below 2^64.
    columns_ = words + 2;
    const std::size_t rows = distinct + words + 1;
    choose_.assign(rows * columns_, 0);
    auto choose = [&](std::size_t n, std::size_t r) -> std::uint64_t& { return choose_[n * columns_ + r]; };
    for (std::size_t n = 0; n < rows; ++n) {
        choose(n, 0) = 1;
        for (std::size_t r = 1; r <= std::min(n, words + 1); ++r)
            choose(n, r) = choose(n - 1, r - 1) + (r <= n - 1 ? choose(n - 1, r) : 0);
    }
    size_ = choose(distinct + words - 1, words) * (std::uint64_t{longest} + 1);
}

std::uint64_t RankKeys::key(const std::uint8_t* levels, std::uint32_t shortest) const {
    std::uint8_t ranks[PhraseOptions::kMostWords];
    for (std::size_t i = 0; i < words_; ++i) { // rarest first; a handful of words, so by insertion
        const std::uint8_t rank = rank_[levels[i]];
        std::size_t j = i;
        for (; j > 0 && ranks[j - 1] < rank; --j)
            ranks[j] = ranks[j - 1];
        ranks[j] = rank;
    }
    // The multiset's place among all multisets of as many levels, in that
    // order: the sorted sequences that come before it, position by position.
    std::uint64_t place = 0;
    for (std::size_t i = 0; i < words_; ++i) {
        const std::size_t after = words_ - 1 - i;
        place += choose_[(ranks[i] + after) * columns_ + after + 1];
    }
    return place * (std::uint64_t{longest_} + 1) + (longest_ - std::min(shortest, longest_));
}

} // namespace tovrel
