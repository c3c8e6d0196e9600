#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tovrel {

class AnagramClasses;
class PhraseEnumerator;
class PhraseLines;
class ReservedMemory;

// Hands out the results of one number of words in rank order (see RankKeys;
// last, in the order the search meets them).
//
// Ranking holds what it must: the records of every result of the number of
// words, to put the commonest first.
//
// A result of grouped lines is a multiset of classes, ranked by its commonest
// entries; otherwise it is a multiset of groups (the entries of one class and
// one level), which all rank alike, so that far fewer records than lines are
// sorted. One enumeration keeps each multiset of classes once and, for each
// key, a list of its records, each record eight bytes: which multiset, and
// which group of each class. When they would pass `budget` bytes, the records
// are counted instead and placed a key range at a time, searching again for
// each range, so that at most `budget` bytes are held however many results
// there are; a single key with more records than that is handed out as the
// search meets them, which is its order anyway.
class RankedPass {
public:
    RankedPass(const AnagramClasses& classes, PhraseEnumerator& enumerator, PhraseLines& lines, bool group,
               std::uint32_t longest, std::size_t budget);
    ~RankedPass();

    // False when the limit was reached or the sink stopped it.
    bool run(std::size_t words);

private:
    const AnagramClasses& classes_;
    PhraseEnumerator& enumerator_;
    PhraseLines& lines_;
    bool group_;
    std::uint32_t longest_;
    std::size_t budget_;
    std::vector<std::uint8_t> levels_; // every level a word can have
    unsigned choiceBits_ = 0;          // for the group of one class within a record
    std::unique_ptr<ReservedMemory> memory_;
};

} // namespace tovrel
