#include "core/wordlist/utf8.h"

#include <cstdint>
#include <cstring>
#include <unicode/utf8.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace tovrel {

bool isValidUtf8(std::string_view text) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        // Most of a word list is ASCII: many bytes at a time until a high bit.
#ifdef __SSE2__
        while (i + 32 <= length) {
            const __m128i first = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i));
            const __m128i second = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s + i + 16));
            if (_mm_movemask_epi8(_mm_or_si128(first, second)))
                break;
            i += 32;
        }
#endif
        while (i + 8 <= length) {
            std::uint64_t word;
            std::memcpy(&word, s + i, 8);
            if (word & 0x8080808080808080u)
                break;
            i += 8;
        }
        if (i >= length)
            break;
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            return false;
    }
    return true;
}

std::size_t unfinishedUtf8Tail(std::string_view text) {
    // A lead byte among the last three bytes whose sequence would need more.
    for (std::size_t back = 1; back <= 3 && back <= text.size(); ++back) {
        const auto byte = static_cast<unsigned char>(text[text.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: look further back
        const std::size_t needs = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return needs > back ? back : 0;
    }
    return 0;
}

bool appendUtf8CodePoints(std::string_view text, std::u32string& out) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    std::int32_t i = 0;
    while (i < length) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0)
            return false;
        out.push_back(static_cast<char32_t>(c));
    }
    return true;
}

void appendUtf8(char32_t c, std::string& out) {
    std::uint8_t bytes[U8_MAX_LENGTH];
    std::int32_t length = 0;
    UBool failed = false;
    U8_APPEND(bytes, length, U8_MAX_LENGTH, static_cast<UChar32>(c), failed);
    if (failed) // not a character: U+FFFD stands for it
        return appendUtf8(0xFFFD, out);
    out.append(reinterpret_cast<const char*>(bytes), static_cast<std::size_t>(length));
}

void appendLatin1AsUtf8(std::string_view text, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + 2 * text.size());
    char* to = out.data() + start;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            *to++ = ch;
        } else {
            *to++ = static_cast<char>(0xC0 | (c >> 6));
            *to++ = static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

void appendAsUtf8(std::string_view record, Encoding encoding, std::string& out) {
    if (isAscii(record) || (encoding == Encoding::Utf8 && isValidUtf8(record)))
        out.append(record);
    else
        appendLatin1AsUtf8(record, out);
}

bool appendUtf8AsLatin1(std::string_view text, std::string& out) {
    const auto* s = reinterpret_cast<const std::uint8_t*>(text.data());
    const auto length = static_cast<std::int32_t>(text.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        if (c < 0 || c > 0xFF)
            return false;
        out += static_cast<char>(c);
    }
    return true;
}

} // namespace tovrel
