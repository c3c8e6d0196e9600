#include "core/search/phrase_lines.h"

#include "core/search/anagram_classes.h"

#include <algorithm>
#include <limits>

namespace tovrel {

PhraseLines::PhraseLines(const AnagramClasses& classes, FoundSink* sink, std::uint64_t limit)
    : classes_(classes), sink_(sink), limit_(limit ? limit : std::numeric_limits<std::uint64_t>::max()),
      included_(classes.included().size()) {
    for (const std::string_view& word : classes.included())
        line_.push_back({&word, 1});
    line_.resize(included_ + kMostParts);
    if (sink_)
        block_.resize(std::max(kBlockWords, included_ + kMostParts));
}

bool PhraseLines::flush() {
    if (used_ == 0 || stoppedBySink_)
        return !stoppedBySink_;
    const std::size_t lines = used_ / width_;
    used_ = 0;
    if (!sink_->addLines(block_.data(), width_, lines)) {
        stoppedBySink_ = true;
        return false;
    }
    handed_ += lines;
    return true;
}

bool PhraseLines::makeRoom(std::size_t words) {
    if (words != width_ || used_ + words > block_.size()) {
        if (!flush())
            return false;
        width_ = words;
    }
    return true;
}

bool PhraseLines::gathered() {
    used_ += width_;
    return ++lines_ < limit_ || (flush(), false);
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
        handed_ = lines_;
        return lines_ < limit_;
    }
    // Most parts are a single entry: the one line goes straight into the block.
    bool single = true;
    for (std::size_t i = 0; i < count; ++i)
        single &= parts[i].end - parts[i].begin == 1;
    if (!single)
        return expandFrom(parts, count, 0, count ? parts[0].begin : 0);
    if (!makeRoom(included_ + count))
        return false;
    FoundWord* to = block_.data() + used_;
    std::copy_n(line_.data(), included_, to);
    for (std::size_t i = 0; i < count; ++i)
        to[included_ + i] = {classes_.entry(parts[i].begin), 1};
    return gathered();
}

bool PhraseLines::expandFrom(const Part* parts, std::size_t count, std::size_t i, std::size_t first) {
    if (i == count) {
        if (!makeRoom(included_ + count))
            return false;
        std::copy_n(line_.data(), included_ + count, block_.data() + used_);
        return gathered();
    }
    const bool repeated = i + 1 < count && parts[i + 1].begin == parts[i].begin;
    for (std::size_t e = first; e < parts[i].end; ++e) {
        line_[included_ + i] = {classes_.entry(e), 1};
        if (!expandFrom(parts, count, i + 1, repeated ? e : i + 1 < count ? parts[i + 1].begin : 0))
            return false;
    }
    return true;
}

bool PhraseLines::group(const Part* parts, std::size_t count) {
    if (!sink_) {
        handed_ = ++lines_;
        return lines_ < limit_;
    }
    if (!makeRoom(included_ + count))
        return false;
    FoundWord* to = block_.data() + used_;
    std::copy_n(line_.data(), included_, to);
    for (std::size_t i = 0; i < count; ++i)
        to[included_ + i] = {classes_.entry(parts[i].begin), parts[i].end - parts[i].begin};
    return gathered();
}

} // namespace tovrel
