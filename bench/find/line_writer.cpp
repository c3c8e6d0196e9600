#include "line_writer.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

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
    if (bytes > buffer_.size())
        buffer_.resize(bytes);
    return true;
}

// Words are a few bytes long: a plain loop copies them faster than a call
// would, and tells on the way whether any byte needs two in UTF-8.
void LineWriter::append(std::string_view latin1) {
    char* const start = buffer_.data() + used_;
    char* out = start;
    unsigned char high = 0;
    for (const char c : latin1) {
        *out++ = c;
        high |= static_cast<unsigned char>(c);
    }
    if (high >= 0x80) {
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
    }
    used_ = static_cast<std::size_t>(out - buffer_.data());
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
    const tovrel::FoundWord& last = words[count - 1];
    std::size_t bytes = kShortPrefix;
    for (std::size_t i = 0; i + 1 < count; ++i)
        bytes += longest(words[i]);
    if (!reserve(bytes + longest(last) + 1))
        return false;
    // The first line's words before the last are the text every line of the run starts with.
    std::size_t start = used_;
    for (std::size_t i = 0; i + 1 < count; ++i) {
        append(words[i]);
        buffer_[used_++] = ' ';
    }
    const std::size_t prefix = used_ - start;
    for (std::size_t i = 0; i < last.count; ++i) {
        if (i > 0) {
            const std::size_t room = std::max(prefix, kShortPrefix) + 2 * last.entries[i].size() + 1;
            if (used_ + room > buffer_.size()) { // the first line goes with this block: keep its start
                prefix_.assign(buffer_.data() + start, prefix);
                if (!makeRoom(room))
                    return false;
                std::memcpy(buffer_.data(), prefix_.data(), prefix);
                start = 0;
                used_ = 0;
            }
            // A short start is moved whole, whatever its length; the bytes
            // moved past it are overwritten next.
            if (prefix <= kShortPrefix) {
                char moved[kShortPrefix];
                std::memcpy(moved, buffer_.data() + start, kShortPrefix);
                std::memcpy(buffer_.data() + used_, moved, kShortPrefix);
            } else {
                std::memcpy(buffer_.data() + used_, buffer_.data() + start, prefix);
            }
            used_ += prefix;
        }
        append(last.entries[i]);
        buffer_[used_++] = '\n';
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
    const char* data = buffer_.data();
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
