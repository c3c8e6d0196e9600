#include "core/search/count_layout.h"

namespace tovrel {

std::optional<CountLayout> CountLayout::forPhrase(const std::vector<std::uint32_t>& counts) {
    CountLayout layout;
    std::size_t word = 0;
    unsigned used = 0; // bits of the current word
    for (const std::uint32_t count : counts) {
        unsigned width = 1; // the guard
        for (std::uint32_t rest = count; rest; rest >>= 1)
            ++width;
        if (used + width > 64) {
            ++word;
            used = 0;
        }
        if (word == kMostWords)
            return std::nullopt;
        layout.word_.push_back(static_cast<std::uint8_t>(word));
        layout.one_.push_back(std::uint64_t{1} << used);
        layout.field_.push_back(((std::uint64_t{1} << (width - 1)) - 1) << used);
        layout.guards_[word] |= std::uint64_t{1} << (used + width - 1);
        used += width;
        layout.words_ = word + 1;
    }
    return layout;
}

CountLayout::Counts CountLayout::pack(const std::vector<std::uint32_t>& counts) const {
    Counts packed{};
    for (std::size_t letter = 0; letter < counts.size(); ++letter)
        packed[word_[letter]] += one_[letter] * counts[letter];
    return packed;
}

} // namespace tovrel
