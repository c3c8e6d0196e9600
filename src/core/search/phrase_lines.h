#pragma once

#include "core/search/found.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tovrel {

class AnagramClasses;

// Turns found multisets into result lines for the sink: the included words
// first, then one word for each part, the parts being classes or groups of
// one level within a class (a run of entries each). A sink that takes text
// gets the lines written into its buffer (see FoundSink::textLayout); any
// other gets them gathered into blocks of words, a block at a time. Counts
// the lines and stops at the limit or when the sink says so.
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
    // One line of these words after the included ones: each one entry, or
    // with grouping its alternatives. The quick way for a caller that has
    // them at hand.
    bool line(const FoundWord* words, std::size_t count) {
        return layout_ ? writeLine(words, count) : gatherLine(words, count);
    }
    // The lines of these words where the last has several entries, one line
    // for each, the words before it being one entry each. In text, the words
    // before the last are written once, then copied.
    bool run(const FoundWord* words, std::size_t count) {
        return layout_ ? writeRun(words, count) : gatherRun(words, count);
    }
    // Hands the lines gathered or written so far to the sink; false when it stopped.
    bool flush();

    // Lines handed out (or counted), but for the block the sink stopped at.
    std::uint64_t lines() const { return handed_; }
    bool stoppedBySink() const { return stoppedBySink_; }

private:
    // False at the limit.
    bool counted() {
        if (++lines_ < limit_)
            return true;
        flush();
        return false;
    }

    bool writeLine(const FoundWord* words, std::size_t count) {
        // In locals: a write through a char pointer could be one to any member.
        char* at = at_;
        if ((included_ > 0 && !writeWords(includedWords_.data(), included_, at)) ||
            !writeWords(words, count, at))
            return false;
        at[-1] = lineEnd_;
        at_ = at;
        return counted();
    }
    // Each word followed by the word separator.
    bool writeWords(const FoundWord* words, std::size_t count, char*& at) {
        const char* limit = roomLimit_;
        const char alternativeSeparator = alternativeSeparator_, wordSeparator = wordSeparator_;
        for (const FoundWord* word = words; word != words + count; ++word) {
            for (const std::string_view* entry = word->entries; entry != word->entries + word->count;
                 ++entry) {
                if (entry->size() <= kFoundTextPadding && at <= limit) {
                    std::memcpy(at, entry->data(), kFoundTextPadding);
                    at += entry->size();
                } else {
                    at_ = at;
                    if (!writeLong(*entry))
                        return false;
                    at = at_;
                    limit = roomLimit_;
                }
                *at++ = alternativeSeparator;
            }
            at[-1] = wordSeparator;
        }
        return true;
    }
    bool writeRun(const FoundWord* words, std::size_t count);
    bool gatherRun(const FoundWord* words, std::size_t count);
    // An entry longer than the padding, or one that the room has no space for.
    bool writeLong(std::string_view entry);
    // Gives the sink the text written so far and asks for room for `bytes` more.
    bool newRoom(std::size_t bytes);
    bool gatherLine(const FoundWord* words, std::size_t count);
    // The lines of parts of which some have more than one entry.
    bool expandAll(const Part* parts, std::size_t count);
    // Lines when only counting: a part repeated m times over n entries gives multichoose(n, m).
    static std::uint64_t multisets(const Part* parts, std::size_t count);

    // A block of lines is about this many words: large enough that the sink's
    // work for a block outweighs its call, small enough to stay in the cache.
    static constexpr std::size_t kBlockWords = 1024;
    // Room asked of a sink that takes text at a time.
    static constexpr std::size_t kRoom = std::size_t{1} << 14;

    const AnagramClasses& classes_;
    FoundSink* sink_;
    const FoundTextLayout* layout_ = nullptr;
    char wordSeparator_ = ' ', alternativeSeparator_ = '/', lineEnd_ = '\n';
    std::uint64_t limit_;
    std::uint64_t lines_ = 0; // gathered, written or counted
    std::uint64_t handed_ = 0;
    bool stoppedBySink_ = false;
    std::size_t included_;
    std::vector<FoundWord> includedWords_;
    // Blocks of words: whole lines of width_ words each.
    std::vector<FoundWord> block_;
    std::size_t used_ = 0;
    std::size_t width_ = 0;
    // Text: where the next byte goes, the last place where a short entry and
    // its separator fit, and the end of what the sink has been given.
    char* at_ = nullptr;
    char* roomLimit_ = nullptr;
    char* given_ = nullptr;
};

} // namespace tovrel
