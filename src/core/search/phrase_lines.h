#pragma once

#include "core/search/found.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tovrel {

class AnagramClasses;

// Turns found multisets into result lines for the sink: the included words
// first, then one word for each part, the parts being classes or groups of
// one level within a class (a run of entries each). Lines are gathered as
// the numbers of their entries, a batch at a time, and then written in one
// tight loop: straight into the sink's buffer for a sink that takes text (see
// FoundSink::textLayout), else as blocks of words; in text, lines that differ
// in their last word only are written as a run. Counts the lines and stops at
// the limit or when the sink says so.
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
    // The quick way for a caller that has the numbers of a line's entries at
    // hand: where to put the `count` of them (after the included ones), to
    // be counted with made(); null when the sink stopped.
    std::uint32_t* next(std::size_t count) {
        if (count != width_ || batched_ == kBatchLines) {
            if (!flush())
                return nullptr;
            width_ = count;
        }
        return batch_[batched_].data();
    }
    // False at the limit, or when the sink stopped.
    bool made() {
        ++batched_;
        return ++lines_ < limit_ || (flush(), false);
    }
    // Hands the lines gathered or written so far to the sink; false when it stopped.
    bool flush();

    // Lines handed out (or counted), but for the block the sink stopped at.
    std::uint64_t lines() const { return handed_; }
    bool stoppedBySink() const { return stoppedBySink_; }

private:
    // The batch, as text or as words.
    bool writeBatch();
    bool gatherBatch();
    // One line of words, each one entry or with grouping its alternatives.
    bool wordsLine(const FoundWord* words, std::size_t count);
    // An entry longer than the padding, or one that the room has no space for.
    bool writeLong(std::string_view entry, char*& at, const char*& limit);
    // Gives the sink the text written so far and asks for room for `bytes` more.
    bool newRoom(std::size_t bytes);
    // The lines of parts of which some have more than one entry.
    bool expandAll(const Part* parts, std::size_t count);
    bool writeRuns(const Part* parts, std::size_t count);
    // Lines when only counting: a part repeated m times over n entries gives multichoose(n, m).
    static std::uint64_t multisets(const Part* parts, std::size_t count);

    // A batch is this many lines: large enough that writing a batch outweighs
    // its call, small enough to stay in the cache.
    static constexpr std::size_t kBatchLines = 256;
    // Room asked of a sink that takes text at a time.
    static constexpr std::size_t kRoom = std::size_t{1} << 16;

    const AnagramClasses& classes_;
    const std::string_view* entries_; // every entry's text, by its number
    FoundSink* sink_;
    const FoundTextLayout* layout_ = nullptr;
    char wordSeparator_ = ' ', alternativeSeparator_ = '/', lineEnd_ = '\n';
    std::uint64_t limit_;
    std::uint64_t lines_ = 0; // gathered or counted
    std::uint64_t handed_ = 0;
    bool stoppedBySink_ = false;
    std::size_t included_;
    std::vector<FoundWord> includedWords_;
    // The batch: lines of width_ entries each, by their numbers.
    std::vector<std::array<std::uint32_t, kMostParts>> batch_;
    std::size_t batched_ = 0;
    std::size_t width_ = 0;
    // Blocks of words for a sink that takes no text.
    std::vector<FoundWord> block_;
    // Text: where the next byte goes, the last place where a short entry and
    // its separator fit, and the end of what the sink has been given.
    char* at_ = nullptr;
    char* roomLimit_ = nullptr;
    char* given_ = nullptr;
};

} // namespace tovrel
