#include "line_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

// Latin-1 to UTF-8, at most twice as long. Words are a few bytes long: a plain
// loop copies them faster than a call would, and tells on the way whether
// any byte needs two.
char* toUtf8(std::string_view latin1, char* const start) {
    char* out = start;
    unsigned char high = 0;
    for (const char c : latin1) {
        *out++ = c;
        high |= static_cast<unsigned char>(c);
    }
    if (high < 0x80)
        return out;
    out = start;
    for (const char c : latin1) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            *out++ = c;
        } else {
            *out++ = static_cast<char>(0xC0 | (byte >> 6));
            *out++ = static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return out;
}

// At most twice as long in UTF-8, with a separator after it.
std::size_t longest(const tovrel::FoundWord& word) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < word.count; ++i)
        bytes += 2 * word.entries[i].size() + 1;
    return bytes;
}

} // namespace

bool LineWriter::makeRoom(std::size_t bytes) {
    if (!flush())
        return false;
    if (bytes > size_) {
        buffer_.reset(new char[bytes]);
        size_ = bytes;
    }
    return true;
}

void LineWriter::append(std::string_view latin1) {
    used_ = static_cast<std::size_t>(toUtf8(latin1, buffer_.get() + used_) - buffer_.get());
}

void LineWriter::append(const tovrel::FoundWord& word) {
    for (std::size_t i = 0; i < word.count; ++i) {
        if (i > 0)
            buffer_[used_++] = '/';
        append(word.entries[i]);
    }
}

bool LineWriter::add(const tovrel::FoundWord* words, std::size_t count) {
    std::size_t bytes = 1;
    for (std::size_t i = 0; i < count; ++i)
        bytes += longest(words[i]);
    if (!reserve(bytes))
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            buffer_[used_++] = ' ';
        append(words[i]);
    }
    return endLine();
}

bool LineWriter::addEach(const tovrel::FoundWord* words, std::size_t count) {
    // The words before the last that this run shares with the run before keep
    // their text; the others are written after them.
    const std::size_t before = count - 1;
    std::size_t same = 0;
    while (same < before && same < runWords_.size() && runWords_[same].entries == words[same].entries &&
           runWords_[same].count == words[same].count)
        ++same;
    std::size_t length = same > 0 ? runEnds_[same - 1] : 0;
    if (same < before || runWords_.size() != before) {
        runWords_.resize(before);
        runEnds_.resize(before);
        for (std::size_t i = same; i < before; ++i) {
            runWords_[i] = words[i];
            if (runText_.size() < length + longest(words[i]) + kShortPrefix)
                runText_.resize(2 * (length + longest(words[i]) + kShortPrefix));
            char* out = runText_.data() + length;
            for (std::size_t j = 0; j < words[i].count; ++j) {
                if (j > 0)
                    *out++ = '/';
                out = toUtf8(words[i].entries[j], out);
            }
            *out++ = ' ';
            length = runEnds_[i] = static_cast<std::size_t>(out - runText_.data());
        }
        if (runText_.size() < kShortPrefix)
            runText_.resize(kShortPrefix);
    }

    // Room for the whole run at once when it fits a block, as it mostly does.
    const tovrel::FoundWord& last = words[before];
    const std::size_t start = std::max(length, kShortPrefix);
    std::size_t run = 0;
    for (std::size_t i = 0; i < last.count; ++i)
        run += start + 2 * last.entries[i].size() + 1;
    const bool roomForAll = run <= kBlock && reserve(run);
    for (std::size_t i = 0; i < last.count; ++i) {
        if (!roomForAll && !reserve(start + 2 * last.entries[i].size() + 1))
            return false;
        // A short start is copied whole, whatever its length: the bytes past
        // it are overwritten next.
        if (length <= kShortPrefix)
            std::memcpy(buffer_.get() + used_, runText_.data(), kShortPrefix);
        else
            std::memcpy(buffer_.get() + used_, runText_.data(), length);
        char* out = toUtf8(last.entries[i], buffer_.get() + used_ + length);
        *out++ = '\n';
        used_ = static_cast<std::size_t>(out - buffer_.get());
    }
    return used_ < kBlock || flush();
}

bool LineWriter::add(const std::string_view* words, std::size_t count) {
    std::size_t bytes = 1;
    for (std::size_t i = 0; i < count; ++i)
        bytes += 2 * words[i].size() + 1;
    if (!reserve(bytes))
        return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (i > 0)
            buffer_[used_++] = ' ';
        append(words[i]);
    }
    return endLine();
}

bool LineWriter::endLine() {
    buffer_[used_++] = '\n';
    return used_ < kBlock || flush();
}

bool LineWriter::flush() {
    const char* data = buffer_.get();
    std::size_t left = used_;
    while (left > 0 && !failed_) {
        const ssize_t written = ::write(fd_, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        if (written < 0) {
            failed_ = true;
            break;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    used_ = 0;
    return !failed_;
}
