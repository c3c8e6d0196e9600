#pragma once

#include <string>
#include <string_view>

namespace tovrel {

class CharacterRules;

// A typed phrase, rack of tiles or pattern as letters, compared as the list's
// characters are (see CharacterRules): lower-cased, accents dropped when they
// are folded, blanks dropped, `wildcards` kept as typed. Any other character
// is refused with one line that names it and `what` was typed ("phrase",
// "tiles", "pattern").
struct TypedLetters {
    std::u32string letters;
    std::string refusal; // empty when every character was a letter, a blank or a wildcard

    static TypedLetters read(std::u32string_view typed, std::u32string_view wildcards, const char* what,
                             const CharacterRules& rules);
};

// A character for a message: 'x' in UTF-8, or U+XXXX when it would not show.
std::string describeCharacter(char32_t c);

} // namespace tovrel
