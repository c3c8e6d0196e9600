#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovrel {

class AnagramClasses;

// Turns found multisets into result lines for the sink: the included words
// first, then one word for each part, the parts being classes or groups of
// one level within a class (a run of entries each). Lines are gathered into
// blocks and handed over a block at a time; counts them and stops at the
// limit or when the sink says so.
class PhraseLines {
public:
    struct Part {
        std::size_t begin, end; // entries of the class or group
    };
    static constexpr std::size_t kMostParts = 16;

    PhraseLines(const AnagramClasses& classes, FoundSink* sink, std::uint64_t limit);

    // Every line of distinct multisets of entries, one taken from each part;
    // where a part repeats, the entries it gives are a multiset too.
    bool expand(const Part* parts, std::size_t count);
    // One line whose words list every entry of their part.
    bool group(const Part* parts, std::size_t count);
    // Hands the lines gathered so far to the sink; false when it stopped.
    bool flush();

    // Lines handed out (or counted), but for the block the sink stopped at.
    std::uint64_t lines() const { return handed_; }
    bool stoppedBySink() const { return stoppedBySink_; }

private:
    // Room for one more line of `words` words; false when the sink stopped.
    bool makeRoom(std::size_t words);
    // After a line is gathered: false at the limit.
    bool gathered();
    // The lines from part i on, its entries starting at `first`.
    bool expandFrom(const Part* parts, std::size_t count, std::size_t i, std::size_t first);
    // Lines when only counting: a part repeated m times over n entries gives multichoose(n, m).
    static std::uint64_t multisets(const Part* parts, std::size_t count);

    // A block of lines is about this many words: large enough that the sink's
    // work for a block outweighs its call, small enough to stay in the cache.
    static constexpr std::size_t kBlockWords = 2048;

    const AnagramClasses& classes_;
    FoundSink* sink_;
    std::uint64_t limit_;
    std::uint64_t lines_ = 0; // gathered or counted
    std::uint64_t handed_ = 0;
    bool stoppedBySink_ = false;
    std::size_t included_;
    std::vector<FoundWord> line_;  // the line being made: the included words, then one for each part
    std::vector<FoundWord> block_; // whole lines of width_ words each
    std::size_t used_ = 0;         // words of block_ in use
    std::size_t width_ = 0;
};

} // namespace tovrel
