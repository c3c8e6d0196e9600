#pragma once

#include "core/wordlist/file_error.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// One bit for each of the 64 bytes at p that is a comma, CR or LF. Sixteen
// bytes at a time where the processor allows: finding the delimiters is most
// of the cost of reading a list.
inline std::uint64_t delimiterBits(const char* p) {
#ifdef __SSE2__
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i carriageReturn = _mm_set1_epi8('\r');
    const __m128i lineFeed = _mm_set1_epi8('\n');
    std::uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
        const __m128i hits =
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, carriageReturn)),
                         _mm_cmpeq_epi8(bytes, lineFeed));
        bits |= std::uint64_t(static_cast<std::uint32_t>(_mm_movemask_epi8(hits))) << (16 * part);
    }
    return bits;
#else
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i)
        bits |= std::uint64_t(kDelimiter[static_cast<unsigned char>(p[i])]) << i;
    return bits;
#endif
}
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
    static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 17;
    // A field may grow the buffer up to this size; beyond it reading fails.
    static constexpr std::size_t kLongestField = std::size_t{1} << 28;

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
    std::string_view next();

    // Hands every record left, in order, to `handle`; each view is valid only
    // during its call. This is the fast way through a whole list: most records
    // are a bare word on a line of its own, found through the delimiter bits
    // of the buffered bytes with the reader's state kept in registers.
    template <typename Handle> void forEachRecord(Handle&& handle) {
        while (!atEnd()) {
            pos_ = bareWords(handle);
            if (atEnd())
                break;
            handle(next()); // a quoted or indented field, or the bytes after the last whole chunk
        }
    }

    // A read error met after the file was opened; reading stops there.
    const std::optional<FileError>& error() const { return error_; }

private:
    static std::string_view trimTrailingBlanks(std::string_view field) {
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        return field;
    }

    // Hands out the bare words from pos_ on, taking every delimiter of each whole
    // 64-byte chunk in turn, and stops before a field that starts with a blank or
    // a double quote, or one that does not end within the whole chunks. Gives the
    // position where it stopped.
    template <typename Handle> std::size_t bareWords(Handle& handle) const {
        const char* const data = data_;
        const std::size_t end = end_;
        std::size_t pos = pos_;
        // A chunk ends before the last byte read, so that the byte after a CR is
        // always there to tell CR LF from a lone CR.
        for (std::size_t chunk = pos; chunk + 64 < end; chunk += 64) {
            std::uint64_t bits = detail::delimiterBits(data + chunk);
            if (pos > chunk) // the LF of a CR LF that closed the chunk before
                bits = pos - chunk < 64 ? bits & (~std::uint64_t{0} << (pos - chunk)) : 0;
            while (bits) {
                const std::size_t at = chunk + static_cast<std::size_t>(__builtin_ctzll(bits));
                bits &= bits - 1;
                if (data[pos] == ' ' || data[pos] == '"')
                    return pos;
                const std::string_view record(data + pos, at - pos);
                pos = at + 1;
                if (data[at] == '\r' && data[pos] == '\n') {
                    ++pos;
                    bits &= bits - 1; // that LF, or no bit at all when it opens the next chunk
                }
                handle(trimTrailingBlanks(record));
            }
        }
        return pos;
    }

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
