#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace tovrel {

// Letter counts packed into up to four 64-bit words. Each letter of the
// search's alphabet has a field wide enough for its count in the phrase, with
// a guard bit above it; one subtraction per word then takes an entry's letters
// from what is left of the phrase, and the guard bits tell whether any count
// went below zero.
class CountLayout {
public:
    static constexpr std::size_t kMostWords = 4;
    using Counts = std::array<std::uint64_t, kMostWords>;

    // For the phrase's count of each letter, or nothing when they need more than kMostWords words.
    static std::optional<CountLayout> forPhrase(const std::vector<std::uint32_t>& counts);

    std::size_t words() const { return words_; }
    const Counts& guards() const { return guards_; }
    Counts pack(const std::vector<std::uint32_t>& counts) const;

    // Adds one of `letter` to `counts`; false when that makes more of it than
    // the phrase has room for (the guard bit is hit), which no fit survives.
    bool addOne(Counts& counts, std::size_t letter) const {
        std::uint64_t& word = counts[word_[letter]];
        word += one_[letter];
        return (word & guards_[word_[letter]]) == 0;
    }
    // Whether `counts` holds any of `letter`.
    bool has(const Counts& counts, std::size_t letter) const {
        return (counts[word_[letter]] & field_[letter]) != 0;
    }
    std::size_t wordOf(std::size_t letter) const { return word_[letter]; }
    std::uint64_t fieldOf(std::size_t letter) const { return field_[letter]; }

    static bool fits(const Counts& part, const Counts& whole, const Counts& guards) {
        for (std::size_t i = 0; i < kMostWords; ++i)
            if ((((whole[i] | guards[i]) - part[i]) & guards[i]) != guards[i])
                return false;
        return true;
    }
    static Counts minus(const Counts& whole, const Counts& part, const Counts& guards) {
        Counts left{};
        for (std::size_t i = 0; i < kMostWords; ++i)
            left[i] = ((whole[i] | guards[i]) - part[i]) & ~guards[i];
        return left;
    }

private:
    std::vector<std::uint8_t> word_;
    std::vector<std::uint64_t> one_;   // 1 at the lowest bit of the letter's field
    std::vector<std::uint64_t> field_; // the letter's field without its guard bit
    Counts guards_{};
    std::size_t words_ = 0;
};

} // namespace tovrel
