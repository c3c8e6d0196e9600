#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovrel {

// Ranks results of one number of words: by the levels of their words, rarest
// first, compared one by one (a result whose rarest word is commoner comes
// first; on a tie, its next rarest word, and so on), then by the length of
// their shortest word, longer first. Keys sort as the results rank. Records
// that rank alike are also told apart by whether they make one line (each
// word one entry) or more, those first, so that the records of one key are
// of one kind, which the hand-out makes quickest.
//
// A key counts the words at each level in a field of its own, the rarest
// level in the highest: comparing the counts from the rarest level down is
// comparing the levels sorted rarest first, and a key is then only a sum,
// made for millions of records. Where the fields would not fit 64 bits (more
// than a dozen levels and many words), a key numbers the sorted levels
// densely instead, as a multiset of the levels there are.
class RankKeys {
public:
    // `levels`: every level a word of the results can have; `words`: the
    // words of a result; `longest`: the most letters a word can have.
    RankKeys(const std::vector<std::uint8_t>& levels, std::size_t words, std::uint32_t longest);

    // A level's place among the levels there are, the commonest 0.
    std::uint8_t rank(std::uint8_t level) const { return rank_[level]; }
    // The key of a record with the given ranks of its words' levels (in any
    // order) and shortest word; `single`: each of its words is one entry, so
    // that it makes one line.
    std::uint64_t key(const std::uint8_t* ranks, std::uint32_t shortest, bool single) const {
        std::uint64_t counts = 0;
        if (!field_.empty())
            for (std::size_t i = 0; i < words_; ++i)
                counts += field_[ranks[i]];
        else
            counts = place(ranks);
        const std::uint64_t rank =
            counts * (std::uint64_t{longest_} + 1) + (longest_ - (shortest < longest_ ? shortest : longest_));
        return rank << 1 | (single ? 0 : 1);
    }
    // Whether the records of this key make one line each.
    static bool single(std::uint64_t key) { return (key & 1) == 0; }

private:
    // The multiset's place among all multisets of as many levels.
    std::uint64_t place(const std::uint8_t* ranks) const;

    std::size_t words_;
    std::uint32_t longest_;
    std::uint8_t rank_[256] = {};
    std::vector<std::uint64_t> field_; // 1 in the field of each rank's count, when they fit
    std::size_t columns_ = 0;
    std::vector<std::uint64_t> choose_; // binomial coefficients: n choose r at n * columns_ + r
};

} // namespace tovrel
