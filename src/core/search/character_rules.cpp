#include "core/search/character_rules.h"

#include "core/wordlist/latin1.h"
#include "core/wordlist/utf8.h"

#include <unicode/uchar.h>
#include <unicode/unorm2.h>
#include <unicode/utf16.h>
#include <unicode/utf8.h>

namespace tovrel {

CharacterRules::CharacterRules(Encoding encoding, bool foldAccents)
    : encoding_(encoding), foldAccents_(foldAccents) {}

char32_t CharacterRules::lower(char32_t c) const {
    if (c < 0x80 || encoding_ == Encoding::Latin1)
        return toLower(c);
    return static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
}

bool CharacterRules::isLetter(char32_t c) const {
    if (encoding_ == Encoding::Latin1)
        return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
               (c >= 0xC0 && c <= 0xFF && c != 0xD7 && c != 0xF7);
    return u_isalpha(static_cast<UChar32>(c));
}

// The first character of the canonical decomposition, when everything after it
// is a combining mark: "é" is "e" followed by an acute accent. Letters that do
// not decompose ("ø", "æ", "ß") stay as they are.
char32_t CharacterRules::unaccented(char32_t c) {
    if (u_charType(static_cast<UChar32>(c)) == U_NON_SPACING_MARK)
        return kDropped;
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfd = unorm2_getNFDInstance(&status);
    UChar decomposition[32];
    const int32_t length =
        U_SUCCESS(status) ? unorm2_getDecomposition(nfd, static_cast<UChar32>(c), decomposition, 32, &status)
                          : -1;
    if (U_FAILURE(status) || length <= 0)
        return c;
    int32_t i = 0;
    UChar32 first;
    U16_NEXT(decomposition, i, length, first);
    while (i < length) {
        UChar32 next;
        U16_NEXT(decomposition, i, length, next);
        if (u_charType(next) != U_NON_SPACING_MARK)
            return c;
    }
    return static_cast<char32_t>(first);
}

void CharacterRules::decodeRecord(std::string_view record, std::u32string& out) const {
    out.clear();
    if (encoding_ == Encoding::Latin1 || !appendUtf8CodePoints(record, out)) {
        out.clear();
        for (const char c : record)
            out.push_back(static_cast<unsigned char>(c));
    }
    if (!foldAccents_)
        return;
    std::size_t kept = 0;
    for (const char32_t c : out)
        if (const char32_t plain = base(c); plain != kDropped)
            out[kept++] = plain;
    out.resize(kept);
}

void CharacterRules::appendLowerCasedUtf8(std::string_view record, std::string& out) const {
    if (encoding_ == Encoding::Latin1 || !isValidUtf8(record)) {
        for (const char c : record)
            appendUtf8(lower(static_cast<unsigned char>(c)), out);
        return;
    }
    const auto* s = reinterpret_cast<const std::uint8_t*>(record.data());
    const auto length = static_cast<std::int32_t>(record.size());
    for (std::int32_t i = 0; i < length;) {
        UChar32 c;
        U8_NEXT(s, i, length, c);
        appendUtf8(lower(static_cast<char32_t>(c)), out);
    }
}

} // namespace tovrel
