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

    unsigned width = 1; // bits for a count of up to `words`
    while ((std::size_t{1} << width) <= words)
        ++width;
    unsigned lengthBits = 1;
    while ((std::uint64_t{1} << lengthBits) <= std::uint64_t{longest} + 1)
        ++lengthBits;
    if (width * distinct + lengthBits + 1 <= 64) {
        for (std::size_t rank = 0; rank < distinct; ++rank)
            field_.push_back(std::uint64_t{1} << (width * rank));
        return;
    }
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
}

std::uint64_t RankKeys::place(const std::uint8_t* ranks) const {
    std::uint8_t sorted[PhraseOptions::kMostWords];
    std::copy(ranks, ranks + words_, sorted);
    std::sort(sorted, sorted + words_, [](std::uint8_t a, std::uint8_t b) { return a > b; });
    // The sorted sequences that come before it, position by position.
    std::uint64_t place = 0;
    for (std::size_t i = 0; i < words_; ++i) {
        const std::size_t after = words_ - 1 - i;
        place += choose_[(sorted[i] + after) * columns_ + after + 1];
    }
    return place;
}

} // namespace tovrel
