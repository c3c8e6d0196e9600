#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovrel {

// Ranks results of one number of words: by the levels of their words, rarest
// first, compared one by one (a result whose rarest word is commoner comes
// first; on a tie, its next rarest word, and so on), then by the length of
// their shortest word, longer first. A key numbers these ranks densely from 0,
// so that results sort by their keys in one counting pass: the levels, sorted
// rarest first, count as a multiset of the few levels there are.
class RankKeys {
public:
    // `levels`: every level a word of the results can have; `words`: the
    // words of a result; `longest`: the most letters a word can have.
    RankKeys(const std::vector<std::uint8_t>& levels, std::size_t words, std::uint32_t longest);

    // The key of a result with the given levels (in any order) and shortest word.
    std::uint64_t key(const std::uint8_t* levels, std::uint32_t shortest) const;
    // How many keys there are: every key is below this.
    std::uint64_t size() const { return size_; }

private:
    std::size_t words_;
    std::uint32_t longest_;
    std::uint8_t rank_[256] = {}; // a level's place among the levels there are, commonest 0
    std::size_t columns_;
    std::vector<std::uint64_t> choose_; // binomial coefficients: n choose r at n * columns_ + r
    std::uint64_t size_ = 0;
};

} // namespace tovrel
