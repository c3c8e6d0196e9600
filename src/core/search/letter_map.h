#pragma once

#include "core/search/character_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

// The letters one search works with. Each character of an entry becomes the
// number of its letter in the search's alphabet (compared as CharacterRules
// compares: lower-cased, accents folded when asked), kOtherLetter for any
// other letter, or nothing for what is not a letter at all (an apostrophe, a
// hyphen, a blank, a digit), which the searches skip. This is the one place
// where an entry's characters turn into letters: a Latin-1 byte or an ASCII
// byte of a UTF-8 list by table, any other record of a UTF-8 list decoded.
class LetterMap {
public:
    static constexpr std::uint8_t kOtherLetter = 0xFE;
    static constexpr std::uint8_t kNoLetter = 0xFF;
    // Codes at and above this are no letter of an alphabet (searches use a few for their own marks).
    static constexpr std::size_t kLargestAlphabet = 0xF0;

    // `letters` as TypedLetters reads them; the alphabet is their distinct
    // characters in rising order. Nothing when they are more than the largest
    // alphabet.
    static std::optional<LetterMap> make(std::u32string_view letters, const CharacterRules& rules);

    // The code of a byte of a Latin-1 list, or of an ASCII byte of a UTF-8 list.
    std::uint8_t operator[](unsigned char byte) const { return code_[byte]; }
    std::size_t size() const { return alphabet_.size(); }
    Encoding encoding() const { return rules_.encoding(); }
    // The alphabet's number of a character as TypedLetters reads it, or kOtherLetter.
    std::uint8_t codeOf(char32_t letter) const;

    // Hands the code of each letter of the entry, in order, to take(code),
    // and stops when it returns false; gives whether it went through. `ascii`
    // tells that the entry has no byte above 0x7F.
    template <typename Take> bool eachLetter(std::string_view entry, bool ascii, Take&& take) const {
        if (rules_.encoding() == Encoding::Utf8 && !ascii) {
            for (const std::uint8_t code : decoded(entry))
                if (!take(code))
                    return false;
            return true;
        }
        for (const char c : entry) {
            const std::uint8_t code = code_[static_cast<unsigned char>(c)];
            if (code != kNoLetter && !take(code))
                return false;
        }
        return true;
    }
    // Whether the entry holds a capital letter.
    bool hasCapital(std::string_view entry, bool ascii) const;

private:
    explicit LetterMap(const CharacterRules& rules) : rules_(rules) {}
    std::uint8_t codeOfCharacter(char32_t c) const;
    // The codes of the letters of a record of a UTF-8 list that is not all ASCII.
    const std::vector<std::uint8_t>& decoded(std::string_view entry) const;

    CharacterRules rules_;
    std::u32string alphabet_;
    std::array<std::uint8_t, 256> code_{};
    mutable std::u32string characters_; // the record being decoded, kept to save allocating for each
    mutable std::vector<std::uint8_t> codes_;
};

// A typed word as a list in `encoding` would hold it, or nothing when the list
// cannot hold it, so that it is no entry of the list.
std::optional<std::string> inListEncoding(std::u32string_view word, Encoding encoding);

} // namespace tovrel
