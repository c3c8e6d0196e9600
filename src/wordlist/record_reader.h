#pragma once

#include "wordlist/file_error.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

namespace detail {
// The bytes that end an unquoted field.
struct DelimiterTable {
    bool entries[256] = {};
    constexpr DelimiterTable() {
        entries[static_cast<unsigned char>(',')] = true;
        entries[static_cast<unsigned char>('\r')] = true;
        entries[static_cast<unsigned char>('\n')] = true;
    }
    constexpr bool operator[](unsigned char c) const { return entries[c]; }
};
inline constexpr DelimiterTable kDelimiter{};
} // namespace detail

// Streams the records of a word list, one field at a time, in large blocks.
//
// A record is a field of the file: blanks before it are skipped; a field that
// starts with a double quote runs to the next double quote (or, if none closes
// it, to the end of its line), and whatever stands between the closing quote
// and the next delimiter is skipped; any other field runs to the next comma or
// line end, without the blanks at its end. A line ends with CR LF, a lone LF or
// a lone CR. A final line end gives no extra record.
class RecordReader {
public:
    static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 20;

    RecordReader() = default;
    // Reads the given bytes as if they were a file's content.
    explicit RecordReader(std::string_view content);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Opens the file for reading from its start; the error names the path.
    std::optional<FileError> open(const std::string& path, std::size_t blockSize = kDefaultBlockSize);
    void close();

    // True when no character is left, or when reading has failed (see error()).
    bool atEnd() {
        if (pos_ < end_)
            return false;
        return !refill();
    }

    // The next record; valid until the next call on this reader. At the end of
    // the file it is empty.
    std::string_view next() {
        // Most records are a bare word on a line of its own: find its line end
        // within the bytes already read and hand out a view of it.
        const char* const begin = data_ + pos_;
        const char* const limit = data_ + end_;
        if (begin < limit && *begin != ' ' && *begin != '"') {
            for (const char* p = begin; p < limit; ++p) {
                const unsigned char c = static_cast<unsigned char>(*p);
                if (!detail::kDelimiter[c])
                    continue;
                if (c == '\r' && p + 1 == limit)
                    break; // an LF may follow in the next block
                std::string_view record(begin, static_cast<std::size_t>(p - begin));
                pos_ = static_cast<std::size_t>(p - data_) + 1;
                if (c == '\r' && p[1] == '\n')
                    ++pos_;
                return trimTrailingBlanks(record);
            }
        }
        return nextSlow();
    }

    // A read error met after the file was opened; reading stops there.
    const std::optional<FileError>& error() const { return error_; }

private:

    static std::string_view trimTrailingBlanks(std::string_view field) {
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        return field;
    }

    std::string_view nextSlow();
    // Offset from pos_ of the first byte at or after `from` that is one of
    // `stops`, reading more as needed; the number of bytes left at the end.
    std::size_t find(std::size_t from, std::string_view stops);
    // Offset from pos_ just past the delimiter at `at` (a comma, CR LF, LF, CR).
    std::size_t pastDelimiter(std::size_t at);
    // Reads more of the file behind the unread bytes; false at its end or on an error.
    bool refill();

    int fd_ = -1;
    std::string path_;
    std::vector<char> buffer_;
    const char* data_ = nullptr;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = true;
    std::optional<FileError> error_;
};

} // namespace tovrel
