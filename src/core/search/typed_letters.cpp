#include "core/search/typed_letters.h"

#include "core/wordlist/latin1.h"

#include <cstdio>

namespace tovrel {

TypedLetters TypedLetters::read(std::u32string_view typed, std::u32string_view wildcards, const char* what) {
    TypedLetters result;
    for (const char32_t c : typed) {
        if (c == U' ')
            continue;
        if (isLetter(c) || wildcards.find(c) != std::u32string_view::npos) {
            result.letters += toLower(c);
            continue;
        }
        // A word list of Latin-1 holds no other letter, so one beyond it could never be matched.
        result.refusal =
            describeCharacter(c) + " in the " + what + " is not a " + (c > 0xFF ? "Latin-1 " : "") + "letter";
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
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
    return utf8 + "'";
}

} // namespace tovrel
