#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovrel {

class AnagramClasses;

// Turns found multisets into result lines for the sink: the included words
// first, then one word for each part, the parts being classes or groups of
// one level within a class (a run of entries each). Counts the lines and
// stops at the limit or when the sink says so.
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

    std::uint64_t lines() const { return lines_; }
    bool stoppedBySink() const { return stoppedBySink_; }

private:
    bool emit(std::size_t words);
    // The lines from part i on, its entries starting at `first`.
    bool expandFrom(const Part* parts, std::size_t count, std::size_t i, std::size_t first);
    // Lines when only counting: a part repeated m times over n entries gives multichoose(n, m).
    static std::uint64_t multisets(const Part* parts, std::size_t count);

    const AnagramClasses& classes_;
    FoundSink* sink_;
    std::uint64_t limit_;
    std::uint64_t lines_ = 0;
    bool stoppedBySink_ = false;
    std::size_t included_;
    std::vector<FoundWord> words_;
};

} // namespace tovrel
