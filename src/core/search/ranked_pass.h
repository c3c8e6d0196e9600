#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace tovrel {

class AnagramClasses;
class PhraseEnumerator;
class PhraseLines;

// Hands out the results of one number of words in rank order (see RankKeys;
// last, in the order the search meets them).
//
// A result of grouped lines is a multiset of classes, ranked by its commonest
// entries; otherwise it is a multiset of groups (the entries of one class and
// one level), which all rank alike, so that far fewer records than lines are
// sorted. A first enumeration counts the records of each key; the next ones
// place them, a key range at a time, so that at most `budget` bytes of records
// are held however many results there are. A single key with more records
// than that is handed out as the search meets them, which is its order anyway.
class RankedPass {
public:
    RankedPass(const AnagramClasses& classes, PhraseEnumerator& enumerator, PhraseLines& lines, bool group,
               std::uint32_t longest, std::size_t budget);

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
    // The records of a range of keys, in order; not cleared when made, as
    // each is written before it is read.
    std::unique_ptr<std::uint32_t[]> placed_;
    std::size_t placedSize_ = 0;
};

} // namespace tovrel
