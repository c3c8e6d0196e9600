#include "core/search/phrase_lines.h"

#include "core/search/anagram_classes.h"

#include <algorithm>
#include <limits>

namespace tovrel {

PhraseLines::PhraseLines(const AnagramClasses& classes, FoundSink* sink, std::uint64_t limit)
    : classes_(classes), sink_(sink), limit_(limit ? limit : std::numeric_limits<std::uint64_t>::max()),
      included_(classes.included().size()) {
    for (const std::string_view& word : classes.included())
        words_.push_back({&word, 1});
    words_.resize(included_ + kMostParts);
}

bool PhraseLines::emit(std::size_t words) {
    if (!sink_->add(words_.data(), words)) {
        stoppedBySink_ = true;
        return false;
    }
    return ++lines_ < limit_;
}

std::uint64_t PhraseLines::multisets(const Part* parts, std::size_t count) {
    constexpr std::uint64_t kMost = std::numeric_limits<std::uint64_t>::max(); // more is counted as this
    std::uint64_t lines = 1;
    for (std::size_t i = 0; i < count;) {
        std::size_t repeats = 1;
        while (i + repeats < count && parts[i + repeats].begin == parts[i].begin)
            ++repeats;
        const std::uint64_t n = parts[i].end - parts[i].begin;
        unsigned __int128 choices = 1; // multichoose(n, repeats), exact at each step
        for (std::uint64_t r = 1; r <= repeats && choices <= kMost; ++r)
            choices = choices * (n + r - 1) / r;
        lines = static_cast<std::uint64_t>(std::min<unsigned __int128>(kMost, choices * lines));
        i += repeats;
    }
    return lines;
}

bool PhraseLines::expand(const Part* parts, std::size_t count) {
    if (!sink_) {
        const std::uint64_t lines = multisets(parts, count);
        lines_ += std::min(lines, limit_ - lines_);
        return lines_ < limit_;
    }
    return count == 0 ? emit(included_) : expandFrom(parts, count, 0, parts[0].begin);
}

bool PhraseLines::expandFrom(const Part* parts, std::size_t count, std::size_t i, std::size_t first) {
    FoundWord& word = words_[included_ + i];
    if (i + 1 == count) { // one run of lines, as far as the limit allows
        const std::uint64_t run = std::min<std::uint64_t>(parts[i].end - first, limit_ - lines_);
        word = {classes_.entry(first), static_cast<std::size_t>(run)};
        if (!sink_->addEach(words_.data(), included_ + count)) {
            stoppedBySink_ = true;
            return false;
        }
        lines_ += run;
        return lines_ < limit_;
    }
    const bool repeated = parts[i + 1].begin == parts[i].begin;
    for (std::size_t e = first; e < parts[i].end; ++e) {
        word = {classes_.entry(e), 1};
        if (!expandFrom(parts, count, i + 1, repeated ? e : parts[i + 1].begin))
            return false;
    }
    return true;
}

bool PhraseLines::group(const Part* parts, std::size_t count) {
    if (!sink_) {
        ++lines_;
        return lines_ < limit_;
    }
    for (std::size_t i = 0; i < count; ++i)
        words_[included_ + i] = {classes_.entry(parts[i].begin), parts[i].end - parts[i].begin};
    return emit(included_ + count);
}

} // namespace tovrel
