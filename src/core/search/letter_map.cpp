#include "core/search/letter_map.h"

#include "core/wordlist/latin1.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <unicode/uchar.h>

namespace tovrel {
namespace {

// A combining accent written after its letter: part of a letter, not one of its own.
bool isMark(char32_t c) {
    const std::int8_t type = u_charType(static_cast<UChar32>(c));
    return type == U_NON_SPACING_MARK || type == U_COMBINING_SPACING_MARK || type == U_ENCLOSING_MARK;
}

} // namespace

std::optional<LetterMap> LetterMap::make(std::u32string_view letters, const CharacterRules& rules) {
    LetterMap map(rules);
    map.alphabet_.assign(letters);
    std::sort(map.alphabet_.begin(), map.alphabet_.end());
    map.alphabet_.erase(std::unique(map.alphabet_.begin(), map.alphabet_.end()), map.alphabet_.end());
    if (map.alphabet_.size() > kLargestAlphabet)
        return std::nullopt;
    // A UTF-8 list's bytes above 0x7F are parts of characters, read by decoding.
    const int byTable = rules.encoding() == Encoding::Latin1 ? 256 : 128;
    map.code_.fill(kNoLetter);
    for (int byte = 0; byte < byTable; ++byte)
        map.code_[byte] = map.codeOfCharacter(static_cast<char32_t>(byte));
    return map;
}

std::uint8_t LetterMap::codeOf(char32_t letter) const {
    const auto at = std::lower_bound(alphabet_.begin(), alphabet_.end(), letter);
    return at != alphabet_.end() && *at == letter ? static_cast<std::uint8_t>(at - alphabet_.begin())
                                                  : kOtherLetter;
}

std::uint8_t LetterMap::codeOfCharacter(char32_t c) const {
    if (rules_.isLetter(c))
        return codeOf(rules_.folded(c));
    // Unless accents are folded, a letter with a combining accent is a letter of its own, which no typed
    // letter stands for.
    if (rules_.encoding() == Encoding::Utf8 && c >= 0x80 && isMark(c))
        return rules_.foldsAccents() ? kNoLetter : kOtherLetter;
    return kNoLetter;
}

const std::vector<std::uint8_t>& LetterMap::decoded(std::string_view entry) const {
    codes_.clear();
    CharacterRules(rules_.encoding()).decodeRecord(entry, characters_);
    for (const char32_t c : characters_)
        if (const std::uint8_t code = codeOfCharacter(c); code != kNoLetter)
            codes_.push_back(code);
    return codes_;
}

bool LetterMap::hasCapital(std::string_view entry, bool ascii) const {
    if (rules_.encoding() == Encoding::Latin1 || ascii)
        return std::any_of(entry.begin(), entry.end(), [](char c) {
            const unsigned char byte = static_cast<unsigned char>(c);
            return toLower(byte) != byte;
        });
    CharacterRules(rules_.encoding()).decodeRecord(entry, characters_);
    return std::any_of(characters_.begin(), characters_.end(),
                       [&](char32_t c) { return rules_.lower(c) != c; });
}

std::optional<std::string> inListEncoding(std::u32string_view word, Encoding encoding) {
    std::string bytes;
    for (const char32_t c : word) {
        if (encoding == Encoding::Utf8)
            appendUtf8(c, bytes);
        else if (c <= 0xFF)
            bytes += static_cast<char>(c);
        else
            return std::nullopt;
    }
    return bytes;
}

} // namespace tovrel
