#pragma once

#include <string>
#include <string_view>

namespace tovrel {

// A typed phrase, rack of tiles or pattern as letters: lower-cased with the
// core's one lower-casing, blanks dropped, `wildcards` kept as typed. Any other
// character is refused with one line that names it and `what` was typed
// ("phrase", "tiles", "pattern").
struct TypedLetters {
    std::u32string letters;
    std::string refusal; // empty when every character was a letter, a blank or a wildcard

    static TypedLetters read(std::u32string_view typed, std::u32string_view wildcards, const char* what);
};

// A character for a message: 'x' in UTF-8, or U+XXXX when it would not show.
std::string describeCharacter(char32_t c);

} // namespace tovrel
