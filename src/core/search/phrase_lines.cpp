#include "core/search/phrase_lines.h"

#include "core/search/anagram_classes.h"

#include <algorithm>
#include <limits>

namespace tovrel {

PhraseLines::PhraseLines(const AnagramClasses& classes, FoundSink* sink, std::uint64_t limit)
    : classes_(classes), entries_(classes.entries()), sink_(sink),
      limit_(limit ? limit : std::numeric_limits<std::uint64_t>::max()),
      included_(classes.included().size()) {
    for (const std::string_view& word : classes.included())
        includedWords_.push_back({&word, 1});
    if (!sink_)
        return;
    batch_.resize(kBatchLines);
    layout_ = sink_->textLayout();
    if (!layout_) {
        block_.resize(kBatchLines * (included_ + kMostParts));
        return;
    }
    wordSeparator_ = layout_->wordSeparator;
    alternativeSeparator_ = layout_->alternativeSeparator;
    lineEnd_ = layout_->lineEnd;
    if (!newRoom(kRoom))
        stoppedBySink_ = true;
}

bool PhraseLines::newRoom(std::size_t bytes) {
    if (at_ != given_ && !sink_->textWritten(at_)) {
        stoppedBySink_ = true;
        return false;
    }
    char* end = nullptr;
    if (!(at_ = given_ = sink_->textRoom(std::max(bytes, kRoom), end))) {
        stoppedBySink_ = true;
        return false;
    }
    roomLimit_ = end - kFoundTextPadding - 1;
    return true;
}

bool PhraseLines::writeLong(std::string_view entry, char*& at, const char*& limit) {
    at_ = at;
    if (!newRoom(entry.size() + 1))
        return false;
    std::memcpy(at_, entry.data(), entry.size());
    at = at_ + entry.size();
    limit = roomLimit_;
    return true;
}

bool PhraseLines::writeBatch() {
    // In locals: a write through a char pointer could be one to any member.
    char* at = at_;
    const char* limit = roomLimit_;
    const char wordSeparator = wordSeparator_, lineEnd = lineEnd_;
    const std::string_view* const entries = entries_;
    auto put = [&](const std::string_view& entry) {
        if (entry.size() <= kFoundTextPadding && at <= limit) {
            std::memcpy(at, entry.data(), kFoundTextPadding);
            at += entry.size();
        } else if (!writeLong(entry, at, limit)) {
            return false;
        }
        *at++ = wordSeparator;
        return true;
    };
    const std::size_t lines = batched_, width = width_, included = included_;
    for (auto line = batch_.cbegin(); line != batch_.cbegin() + static_cast<std::ptrdiff_t>(lines); ++line) {
        for (std::size_t i = 0; i < included; ++i)
            if (!put(*includedWords_[i].entries))
                return false;
        for (std::size_t w = 0; w < width; ++w)
            if (!put(entries[(*line)[w]]))
                return false;
        at[-1] = lineEnd;
    }
    at_ = at;
    return true;
}

bool PhraseLines::gatherBatch() {
    const std::size_t width = included_ + width_;
    FoundWord* to = block_.data();
    for (std::size_t b = 0; b < batched_; ++b) {
        for (std::size_t i = 0; i < included_; ++i)
            *to++ = includedWords_[i];
        for (std::size_t w = 0; w < width_; ++w)
            *to++ = {entries_ + batch_[b][w], 1};
    }
    return sink_->addLines(block_.data(), width, batched_);
}

bool PhraseLines::flush() {
    if (stoppedBySink_)
        return false;
    if (batched_ > 0) {
        const bool handed = layout_ ? writeBatch() : gatherBatch();
        batched_ = 0;
        if (!handed) {
            stoppedBySink_ = true;
            return false;
        }
    }
    if (layout_) {
        if (at_ != given_ && !sink_->textWritten(at_)) {
            stoppedBySink_ = true;
            return false;
        }
        given_ = at_;
    }
    handed_ = lines_;
    return true;
}

bool PhraseLines::wordsLine(const FoundWord* words, std::size_t count) {
    if (batched_ > 0 && !flush())
        return false;
    if (layout_) {
        char* at = at_;
        const char* limit = roomLimit_;
        auto putWord = [&](const FoundWord& word) {
            for (std::size_t e = 0; e < word.count; ++e) {
                const std::string_view& entry = word.entries[e];
                if (entry.size() <= kFoundTextPadding && at <= limit) {
                    std::memcpy(at, entry.data(), kFoundTextPadding);
                    at += entry.size();
                } else if (!writeLong(entry, at, limit)) {
                    return false;
                }
                *at++ = alternativeSeparator_;
            }
            at[-1] = wordSeparator_;
            return true;
        };
        for (const FoundWord& word : includedWords_)
            if (!putWord(word))
                return false;
        for (std::size_t i = 0; i < count; ++i)
            if (!putWord(words[i]))
                return false;
        at[-1] = lineEnd_;
        at_ = at;
    } else {
        std::copy(includedWords_.begin(), includedWords_.end(), block_.begin());
        std::copy(words, words + count, block_.begin() + static_cast<std::ptrdiff_t>(included_));
        if (!sink_->addLines(block_.data(), included_ + count, 1)) {
            stoppedBySink_ = true;
            return false;
        }
    }
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
    // Most parts are a single entry: the one line at once.
    bool single = true;
    for (std::size_t i = 0; i < count; ++i)
        single &= parts[i].end - parts[i].begin == 1;
    if (!single)
        return expandAll(parts, count);
    std::uint32_t* line = next(count);
    if (!line)
        return false;
    for (std::size_t i = 0; i < count; ++i)
        line[i] = static_cast<std::uint32_t>(parts[i].begin);
    return made();
}

bool PhraseLines::writeRuns(const Part* parts, std::size_t count) {
    // Lines that differ in their last word only are a run: the words before
    // it are made once, in a buffer of their own (reading back what was just
    // written to the room would wait on the writes), then copied in one move
    // of a fixed size when short, as they mostly are.
    if (batched_ > 0 && !flush())
        return false;
    constexpr std::size_t kShortStart = 2 * kFoundTextPadding;
    char start[kShortStart + kFoundTextPadding];
    std::size_t at[kMostParts];
    const std::size_t last = count - 1;
    auto restartFrom = [&](std::size_t i) {
        for (; i < count; ++i)
            at[i] = i > 0 && parts[i].begin == parts[i - 1].begin ? at[i - 1] : parts[i].begin;
    };
    restartFrom(0);
    for (;;) {
        std::size_t startSize = 0;
        bool shortStart = true;
        auto addToStart = [&](const std::string_view& entry) {
            shortStart = shortStart && entry.size() <= kFoundTextPadding &&
                         startSize + entry.size() + 1 <= kShortStart;
            if (shortStart) {
                std::memcpy(start + startSize, entry.data(), kFoundTextPadding);
                startSize += entry.size();
                start[startSize++] = wordSeparator_;
            }
        };
        for (const FoundWord& word : includedWords_)
            addToStart(*word.entries);
        for (std::size_t i = 0; i < last; ++i)
            addToStart(entries_[at[i]]);
        char* out = at_;
        const char* limit = roomLimit_;
        for (std::size_t e = at[last]; e < parts[last].end; ++e) {
            const std::string_view& entry = entries_[e];
            if (shortStart && entry.size() <= kFoundTextPadding && out + kShortStart <= limit) {
                std::memcpy(out, start, kShortStart);
                out += startSize;
                std::memcpy(out, entry.data(), kFoundTextPadding);
                out += entry.size();
                *out++ = lineEnd_;
                if (++lines_ < limit_)
                    continue;
                at_ = out;
                flush();
                return false;
            }
            // A long word, or the end of the room: the line word by word.
            at_ = out;
            FoundWord words[kMostParts];
            for (std::size_t i = 0; i < last; ++i)
                words[i] = {entries_ + at[i], 1};
            words[last] = {&entry, 1};
            if (!wordsLine(words, count))
                return false;
            out = at_;
            limit = roomLimit_;
        }
        at_ = out;
        std::size_t i = last;
        while (i > 0 && ++at[i - 1] == parts[i - 1].end)
            --i;
        if (i == 0)
            return true;
        restartFrom(i);
    }
}

bool PhraseLines::expandAll(const Part* parts, std::size_t count) {
    if (layout_)
        return writeRuns(parts, count);
    // An odometer over the entries of the parts; a part that repeats the one
    // before starts at its entry, so that each multiset comes once.
    std::uint32_t at[kMostParts];
    auto restartFrom = [&](std::size_t i) {
        for (; i < count; ++i)
            at[i] = static_cast<std::uint32_t>(
                i > 0 && parts[i].begin == parts[i - 1].begin ? at[i - 1] : parts[i].begin);
    };
    restartFrom(0);
    for (;;) {
        std::uint32_t* line = next(count);
        if (!line)
            return false;
        for (std::size_t i = 0; i < count; ++i)
            line[i] = at[i];
        if (!made())
            return false;
        std::size_t i = count;
        while (i > 0 && ++at[i - 1] == parts[i - 1].end)
            --i;
        if (i == 0)
            return true;
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
    return wordsLine(words, count);
}

} // namespace tovrel
