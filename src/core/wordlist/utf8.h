#pragma once

#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace tovrel {

// True when no byte of the text is above 0x7F: the same characters in Latin-1
// and UTF-8. Asked of nearly every record of a UTF-8 list, so it is inline.
inline bool isAscii(std::string_view text) {
    std::size_t i = 0;
    std::uint64_t high = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        high |= word;
    }
    for (; i < text.size(); ++i)
        high |= static_cast<unsigned char>(text[i]);
    return (high & 0x8080808080808080u) == 0;
}

// True when the whole text is well-formed UTF-8.
bool isValidUtf8(std::string_view text);

// How many bytes at the end of `text` are the start of a sequence that may go
// on in the bytes that follow (0 to 3); the bytes before them are checked by
// isValidUtf8 as usual.
std::size_t unfinishedUtf8Tail(std::string_view text);

// Appends the code points of well-formed UTF-8 text to `out`; false, with
// `out` as far as it got, at the first malformed sequence.
bool appendUtf8CodePoints(std::string_view text, std::u32string& out);

void appendUtf8(char32_t c, std::string& out);
// Appends Latin-1 bytes to `out` as UTF-8.
void appendLatin1AsUtf8(std::string_view text, std::string& out);
// Appends a record of a list read in `encoding` to `out` as UTF-8; a record
// of a UTF-8 list that is not UTF-8 was read as Latin-1, and goes out so.
void appendAsUtf8(std::string_view record, Encoding encoding, std::string& out);
// Appends UTF-8 text to `out` as Latin-1; false, with `out` as far as it got,
// at a character beyond Latin-1 or a malformed sequence.
bool appendUtf8AsLatin1(std::string_view text, std::string& out);

} // namespace tovrel
