#pragma once

namespace tovrel {

// The one lower-casing of the program, for records and typed words alike:
// A-Z and the Latin-1 capitals À-Þ (but not ×) become small letters.
constexpr char32_t toLower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

// A letter of Latin-1 in either case: A-Z, a-z and À-ÿ but for × and ÷.
constexpr bool isLetter(char32_t c) {
    const char32_t lower = toLower(c);
    return (lower >= U'a' && lower <= U'z') || (lower >= 0xDF && lower <= 0xFF && lower != 0xF7);
}

namespace detail {
struct LowerTable {
    unsigned char lower[256] = {};
    constexpr LowerTable() {
        for (int c = 0; c < 256; ++c)
            lower[c] = static_cast<unsigned char>(toLower(static_cast<char32_t>(c)));
    }
};
inline constexpr LowerTable kLowerTable{};
} // namespace detail

// The same for a byte of the word list, by table.
constexpr unsigned char toLower(unsigned char c) {
    return detail::kLowerTable.lower[c];
}

} // namespace tovrel
