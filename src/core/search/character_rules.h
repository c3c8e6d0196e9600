#pragma once

#include "core/wordlist/text_encoding.h"

#include <string>
#include <string_view>

namespace tovrel {

// How the characters of typed words and records compare, for one encoding of
// the list: which characters are letters, how capitals become small letters,
// and, when accents are folded, which plain letter an accented one counts as.
//
// Latin-1 lists keep the program's own lower-casing (A-Z and À-Þ but ×) and
// take a-z and À-ÿ but × and ÷ as letters; UTF-8 lists use Unicode's simple
// case folding and its letters (general category L).
class CharacterRules {
public:
    // A combining accent when accents are folded: it is dropped.
    static constexpr char32_t kDropped = 0xFFFFFFFF;

    explicit CharacterRules(Encoding encoding = Encoding::Latin1, bool foldAccents = false);

    Encoding encoding() const { return encoding_; }
    bool foldsAccents() const { return foldAccents_; }

    char32_t lower(char32_t c) const;
    bool isLetter(char32_t c) const;
    // The character without its accents when they are folded ("é" is "e", a
    // combining accent is kDropped); else the character itself.
    char32_t base(char32_t c) const { return foldAccents_ && c >= 0x80 ? unaccented(c) : c; }
    // Lower-cased, then without accents: how the typed word is compared.
    char32_t folded(char32_t c) const { return base(lower(c)); }

    // The record's characters as compared: Latin-1 bytes one for one; UTF-8
    // decoded, a record that is not well-formed UTF-8 read as Latin-1. Accents
    // are folded when asked. Replaces `out`.
    void decodeRecord(std::string_view record, std::u32string& out) const;
    // The record as listed lower-cased, in UTF-8 (for UTF-8 lists).
    void appendLowerCasedUtf8(std::string_view record, std::string& out) const;

private:
    static char32_t unaccented(char32_t c);

    Encoding encoding_;
    bool foldAccents_;
};

} // namespace tovrel
