#pragma once

#include <cstdint>

namespace tovrel {

// The one lower-casing of the program, for records and typed words alike:
// A-Z and the Latin-1 capitals À-Þ (but not ×) become small letters.
constexpr char32_t toLower(char32_t c) {
    if ((c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 32;
    return c;
}

constexpr unsigned char toLower(unsigned char c) { return static_cast<unsigned char>(toLower(char32_t{c})); }

} // namespace tovrel
