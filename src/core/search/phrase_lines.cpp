#include "core/search/phrase_lines.h"

#include "core/search/anagram_classes.h"

#include <algorithm>
#include <limits>

namespace tovrel {

PhraseLines::PhraseLines(const AnagramClasses& classes, FoundSink* sink, std::uint64_t limit)
    : classes_(classes), sink_(sink), limit_(limit ? limit : std::numeric_limits<std::uint64_t>::max()),
      included_(classes.included().size()) {
    for (const std::string_view& word : classes.included())
        includedWords_.push_back({&word, 1});
    if (!sink_)
        return;
    layout_ = sink_->textLayout();
    if (layout_) {
        wordSeparator_ = layout_->wordSeparator;
        alternativeSeparator_ = layout_->alternativeSeparator;
        lineEnd_ = layout_->lineEnd;
    }
    if (!layout_)
        block_.resize(std::max(kBlockWords, included_ + kMostParts));
    else if (!newRoom(kRoom))
        stoppedBySink_ = true;
}

bool PhraseLines::newRoom(std::size_t bytes) {
    if (at_ != given_ && !sink_->textWritten(at_)) {
        stoppedBySink_ = true;
        return false;
    }
    handed_ = lines_;
    char* end = nullptr;
    if (!(at_ = given_ = sink_->textRoom(std::max(bytes, kRoom), end))) {
        stoppedBySink_ = true;
        return false;
    }
    roomLimit_ = end - kFoundTextPadding - 1;
    return true;
}

bool PhraseLines::writeLong(std::string_view entry) {
    if (stoppedBySink_ || !newRoom(entry.size() + 1))
        return false;
    std::memcpy(at_, entry.data(), entry.size());
    at_ += entry.size();
    return true;
}

bool PhraseLines::flush() {
    if (stoppedBySink_)
        return false;
    if (layout_) {
        if (at_ != given_ && !sink_->textWritten(at_)) {
            stoppedBySink_ = true;
            return false;
        }
        given_ = at_;
        handed_ = lines_;
        return true;
    }
    if (used_ == 0)
        return true;
    const std::size_t lines = used_ / width_;
    used_ = 0;
    if (!sink_->addLines(block_.data(), width_, lines)) {
        stoppedBySink_ = true;
        return false;
    }
    handed_ += lines;
    return true;
}

bool PhraseLines::gatherLine(const FoundWord* words, std::size_t count) {
    const std::size_t width = included_ + count;
    if ((width != width_ || used_ + width > block_.size()) && !flush())
        return false;
    width_ = width;
    FoundWord* line = block_.data() + used_;
    for (std::size_t i = 0; i < included_; ++i)
        line[i] = includedWords_[i];
    for (std::size_t i = 0; i < count; ++i)
        line[included_ + i] = words[i];
    used_ += width;
    return counted();
}

bool PhraseLines::gatherRun(const FoundWord* words, std::size_t count) {
    FoundWord line[kMostParts];
    std::copy_n(words, count, line);
    const FoundWord last = words[count - 1];
    for (std::size_t i = 0; i < last.count; ++i) {
        line[count - 1] = {last.entries + i, 1};
        if (!gatherLine(line, count))
            return false;
    }
    return true;
}

bool PhraseLines::writeRun(const FoundWord* words, std::size_t count) {
    // The words before the last are the start of every line: made once, in
    // a buffer of their own (reading back what was just written to the room
    // would wait on the writes), then copied in one move of a fixed size when
    // they are short, as they mostly are.
    constexpr std::size_t kShortStart = 2 * kFoundTextPadding;
    char start[kShortStart + kFoundTextPadding];
    std::size_t startSize = 0;
    auto shortStart = [&](const FoundWord* from, std::size_t n) {
        for (std::size_t w = 0; w < n; ++w) {
            const std::string_view& entry = from[w].entries[0];
            if (from[w].count != 1 || entry.size() > kFoundTextPadding ||
                startSize + entry.size() + 1 > kShortStart)
                return false;
            std::memcpy(start + startSize, entry.data(), kFoundTextPadding);
            startSize += entry.size();
            start[startSize++] = wordSeparator_;
        }
        return true;
    };
    const bool short_ = shortStart(includedWords_.data(), included_) && shortStart(words, count - 1);
    const FoundWord last = words[count - 1];
    for (std::size_t i = 0; i < last.count; ++i) {
        const std::string_view& entry = last.entries[i];
        char* at = at_;
        if (short_ && entry.size() <= kFoundTextPadding && at + kShortStart <= roomLimit_) {
            std::memcpy(at, start, kShortStart);
            at += startSize;
            std::memcpy(at, entry.data(), kFoundTextPadding);
            at += entry.size();
            *at++ = lineEnd_;
            at_ = at;
        } else {
            const FoundWord one{&entry, 1};
            if ((included_ > 0 && !writeWords(includedWords_.data(), included_, at)) ||
                !writeWords(words, count - 1, at) || !writeWords(&one, 1, at))
                return false;
            at[-1] = lineEnd_;
            at_ = at;
        }
        if (!counted())
            return false;
    }
    return true;
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
    // Most parts are a single entry: the one line at once.
    bool single = true;
    FoundWord words[kMostParts];
    for (std::size_t i = 0; i < count; ++i) {
        single &= parts[i].end - parts[i].begin == 1;
        words[i] = {classes_.entry(parts[i].begin), 1};
    }
    return single ? line(words, count) : expandAll(parts, count);
}

bool PhraseLines::expandAll(const Part* parts, std::size_t count) {
    // An odometer over the entries of the parts but the last, whose entries
    // make a run of lines; a part that repeats the one before starts at its
    // entry, so that each multiset comes once.
    std::size_t at[kMostParts];
    FoundWord words[kMostParts];
    const std::size_t last = count - 1;
    auto restartFrom = [&](std::size_t i) {
        for (; i < count; ++i) {
            at[i] = i > 0 && parts[i].begin == parts[i - 1].begin ? at[i - 1] : parts[i].begin;
            words[i] = {classes_.entry(at[i]), 1};
        }
        words[last].count = parts[last].end - at[last];
    };
    restartFrom(0);
    for (;;) {
        if (!run(words, count))
            return false;
        std::size_t i = last;
        while (i > 0 && ++at[i - 1] == parts[i - 1].end)
            --i;
        if (i == 0)
            return true;
        words[i - 1] = {classes_.entry(at[i - 1]), 1};
        restartFrom(i);
    }
}

bool PhraseLines::group(const Part* parts, std::size_t count) {
    if (!sink_) {
        handed_ = ++lines_;
        return lines_ < limit_;
    }
    FoundWord words[kMostParts];
    for (std::size_t i = 0; i < count; ++i)
        words[i] = {classes_.entry(parts[i].begin), parts[i].end - parts[i].begin};
    return line(words, count);
}

} // namespace tovrel
