#pragma once

#include "core/wordlist/file_error.h"
#include "core/wordlist/skipped_records.h"
#include "core/wordlist/text_encoding.h"
#include "core/wordlist/utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <type_traits>
#include <vector>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovrel {

namespace detail {
// A set of bytes, looked up by table.
struct ByteSet {
    bool entries[256] = {};
    constexpr explicit ByteSet(const char* bytes) {
        for (; *bytes; ++bytes)
            entries[static_cast<unsigned char>(*bytes)] = true;
    }
    constexpr bool operator[](unsigned char c) const { return entries[c]; }
    constexpr bool operator[](char c) const { return entries[static_cast<unsigned char>(c)]; }
};
// The bytes that end an unquoted field, and those that end a quoted one.
inline constexpr ByteSet kDelimiter(",\r\n");
inline constexpr ByteSet kQuotedFieldEnd("\"\r\n");

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
// One bit for each of the 64 bytes at p that is above 0x7F, for telling
// ASCII records of a UTF-8 list without looking at them again.
inline std::uint64_t highBits(const char* p) {
#ifdef __SSE2__
    std::uint64_t bits = 0;
    for (int part = 0; part < 4; ++part) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * part));
        bits |= std::uint64_t(static_cast<std::uint32_t>(_mm_movemask_epi8(bytes))) << (16 * part);
    }
    return bits;
#else
    std::uint64_t bits = 0;
    for (int i = 0; i < 64; ++i)
        bits |= std::uint64_t(static_cast<unsigned char>(p[i]) >> 7) << i;
    return bits;
#endif
}
} // namespace detail

// How a list is opened. Only a regular file is read unless pipes are
// accepted: a FIFO or a device in the place of the list would block the
// reader or never end.
struct ReadOptions {
    static constexpr std::size_t kDefaultBlockSize = std::size_t{1} << 17;
    static constexpr std::size_t kDefaultLongestRecord = std::size_t{1} << 25;

    std::size_t blockSize = kDefaultBlockSize;
    // A record longer than this is skipped (and counted, see
    // RecordReader::skipped), so that memory stays bounded on any input.
    std::size_t longestRecord = kDefaultLongestRecord;
    // Read a pipe, a FIFO or a device too (tovrel2-find does, on purpose).
    bool acceptPipes = false;
};

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
    RecordReader() = default;
    // Reads the given bytes as if they were a file's content.
    explicit RecordReader(std::string_view content);
    ~RecordReader();
    RecordReader(const RecordReader&) = delete;
    RecordReader& operator=(const RecordReader&) = delete;

    // Opens the file for reading from its start; the error names the path.
    std::optional<FileError> open(const std::string& path, const ReadOptions& options = {});
    // Reads standard input, named "standard input" in errors.
    std::optional<FileError> openStandardInput(const ReadOptions& options = {});
    void close();

    // The list's encoding: UTF-8 when a file (or the content) is well-formed
    // UTF-8 throughout, else Latin-1. A pipe cannot be read twice, so it is
    // taken as UTF-8, in which a record that is not UTF-8 is read as Latin-1.
    // Leaves the reading position where it is.
    Encoding detectEncoding();

    // The name of the list in messages.
    const std::string& name() const { return path_; }

    // True when no character is left, or when reading has failed (see error()).
    bool atEnd() {
        if (pos_ < end_)
            return false;
        return !refill();
    }

    // The next record; valid until the next call on this reader. At the end of
    // the file it is empty (also when the last record was skipped for its length).
    std::string_view next();

    // Hands every record left, in order, to `handle`; each view is valid only
    // during its call. This is the fast way through a whole list: most records
    // are a bare word on a line of its own, found through the delimiter bits
    // of the buffered bytes with the reader's state kept in registers. A
    // handle that takes a second argument is also told whether the record is
    // all ASCII, which the same pass over the bytes finds almost for free. A
    // handle that returns a bool ends the pass by returning false (enough
    // found, or nowhere left to print); the reader then stands after that
    // record. Gives false when the handle ended it.
    template <typename Handle> bool forEachRecord(Handle&& handle) {
        while (!atEnd()) {
            bool going = true;
            pos_ = bareWords(handle, going);
            if (!going)
                return false;
            if (atEnd())
                break;
            // a quoted or indented field, or the bytes after the last whole chunk
            if (const std::optional<std::string_view> record = field())
                if (!hand(handle, *record, [&] { return isAscii(*record); }))
                    return false;
        }
        return true;
    }

    // The same for a list read in `encoding`, the handle always told whether
    // the record is all ASCII, which only matters in a UTF-8 list: a Latin-1
    // list's pass is spared finding it out.
    template <typename Handle> bool forEachRecordIn(Encoding encoding, Handle&& handle) {
        if (encoding == Encoding::Utf8)
            return forEachRecord(handle);
        return forEachRecord([&](std::string_view record) { return handle(record, false); });
    }

    // A read error met after the file was opened; reading stops there.
    const std::optional<FileError>& error() const { return error_; }
    // The records that were too long to read, counted as they were skipped.
    const SkippedRecords& skipped() const { return skipped_; }

private:
    template <typename Handle>
    static constexpr bool kTellsAscii = std::is_invocable_v<Handle&, std::string_view, bool>;

    // Hands a record to the handle (with whether it is all ASCII, when the
    // handle asks); false when the handle asks to stop.
    template <typename Handle, typename Ascii>
    static bool hand(Handle& handle, std::string_view record, Ascii&& ascii) {
        if constexpr (kTellsAscii<Handle>) {
            if constexpr (std::is_same_v<std::invoke_result_t<Handle&, std::string_view, bool>, bool>)
                return handle(record, ascii());
            else
                handle(record, ascii());
        } else if constexpr (std::is_same_v<std::invoke_result_t<Handle&, std::string_view>, bool>) {
            return handle(record);
        } else {
            handle(record);
        }
        return true;
    }

    static std::string_view trimTrailingBlanks(std::string_view field) {
        while (!field.empty() && field.back() == ' ')
            field.remove_suffix(1);
        return field;
    }

    // Hands out the bare words from pos_ on, taking every delimiter of each whole
    // 64-byte chunk in turn, and stops before a field that starts with a blank or
    // a double quote, or one that does not end within the whole chunks, or
    // after the record that the handle asked to stop at (`going` turns false).
    // Gives the position where it stopped.
    template <typename Handle> std::size_t bareWords(Handle& handle, bool& going) const {
        const char* const data = data_;
        const std::size_t end = end_;
        std::size_t pos = pos_;
        std::size_t afterLastHigh = 0; // one past the last byte above 0x7F in the chunks before
        // A chunk ends before the last byte read, so that the byte after a CR is
        // always there to tell CR LF from a lone CR.
        for (std::size_t chunk = pos; chunk + 64 < end; chunk += 64) {
            std::uint64_t bits = detail::delimiterBits(data + chunk);
            std::uint64_t high = 0;
            if constexpr (kTellsAscii<Handle>)
                high = detail::highBits(data + chunk);
            if (pos > chunk) // the LF of a CR LF that closed the chunk before
                bits = pos - chunk < 64 ? bits & (~std::uint64_t{0} << (pos - chunk)) : 0;
            while (bits) {
                const std::size_t at = chunk + static_cast<std::size_t>(__builtin_ctzll(bits));
                bits &= bits - 1;
                if (data[pos] == ' ' || data[pos] == '"')
                    return pos;
                const std::string_view record(data + pos, at - pos);
                const std::size_t start = pos;
                pos = at + 1;
                if (data[at] == '\r' && data[pos] == '\n') {
                    ++pos;
                    bits &= bits - 1; // that LF, or no bit at all when it opens the next chunk
                }
                going = hand(handle, trimTrailingBlanks(record), [&] {
                    const std::uint64_t below = high & ((std::uint64_t{1} << (at - chunk)) - 1);
                    const std::size_t afterHigh =
                        below ? chunk + 64 - static_cast<std::size_t>(__builtin_clzll(below)) : afterLastHigh;
                    return afterHigh <= start;
                });
                if (!going)
                    return pos;
            }
            if (high)
                afterLastHigh = chunk + 64 - static_cast<std::size_t>(__builtin_clzll(high));
        }
        return pos;
    }

    static constexpr std::size_t kTooLong = ~std::size_t{0};

    // Sets up reading from fd_, now open and checked.
    std::optional<FileError> startReading(const struct stat& status, const ReadOptions& options);
    // Offset from pos_ of the first byte at or after `from` that is one of
    // `stops`, reading more as needed; the number of bytes left at the end;
    // kTooLong when the field would grow beyond the longest record first.
    std::size_t find(std::size_t from, const detail::ByteSet& stops);
    // Drops the field from pos_ up to the next byte that is one of `stops`
    // without keeping it; pos_ then stands on that byte (or at the end).
    void discardUntil(const detail::ByteSet& stops);
    // The record starting at pos_, or nothing when it was too long and skipped.
    std::optional<std::string_view> field();
    // Offset from pos_ just past the delimiter at `at` (a comma, CR LF, LF, CR).
    std::size_t pastDelimiter(std::size_t at);
    // Reads more of the file behind the unread bytes; false at its end or on an error.
    bool refill();

    int fd_ = -1;
    std::string path_;
    // Grown with realloc, which moves large blocks by remapping them instead
    // of copying and clearing, for the rare field longer than a block.
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    std::unique_ptr<char, Free> buffer_;
    std::size_t capacity_ = 0;
    const char* data_ = nullptr;
    std::size_t pos_ = 0;
    std::size_t end_ = 0;
    bool eof_ = true;
    bool regularFile_ = false;
    std::size_t longestRecord_ = ReadOptions::kDefaultLongestRecord;
    std::uint64_t dropped_ = 0; // bytes of the list before buffer_[0]
    std::string kept_;          // a quoted record whose tail was too long to buffer
    std::optional<FileError> error_;
    SkippedRecords skipped_;
};

} // namespace tovrel
