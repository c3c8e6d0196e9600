#include "core/search/typed_letters.h"

#include "core/search/character_rules.h"
#include "core/wordlist/utf8.h"

#include <cstdio>

namespace tovrel {

TypedLetters TypedLetters::read(std::u32string_view typed, std::u32string_view wildcards, const char* what,
                                const CharacterRules& rules) {
    TypedLetters result;
    for (const char32_t c : typed) {
        if (c == U' ')
            continue;
        if (wildcards.find(c) != std::u32string_view::npos) {
            result.letters += c;
            continue;
        }
        if (rules.isLetter(c)) {
            result.letters += rules.folded(c);
            continue;
        }
        // An accent typed as a mark of its own goes with the accents it folds.
        if (rules.foldsAccents() && rules.base(c) == CharacterRules::kDropped)
            continue;
        // A Latin-1 list holds no other letter, so one beyond it could never be matched.
        const bool beyondList = rules.encoding() == Encoding::Latin1 && c > 0xFF;
        result.refusal = describeCharacter(c) + " in the " + what + " is not a " +
                         (beyondList ? "Latin-1 " : "") + "letter";
        result.letters.clear();
        break;
    }
    return result;
}

std::string describeCharacter(char32_t c) {
    if (c < 0x20 || (c >= 0x7F && c < 0xA0) || c > 0x10FFFF || (c >= 0xD800 && c < 0xE000)) {
        char code[16];
        std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(c));
        return code;
    }
    std::string utf8 = "'";
    appendUtf8(c, utf8);
    return utf8 + "'";
}

} // namespace tovrel
