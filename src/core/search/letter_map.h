#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovrel {

// The letters one search works with. Each character of an entry becomes the
// number of its letter in the search's alphabet (after the core's one
// lower-casing), kOtherLetter for any other letter, or kNoLetter for what is
// not a letter at all (an apostrophe, a hyphen, a blank, a digit), which the
// searches skip. This is the one place where an entry's characters turn into
// letters: Latin-1 bytes today.
class LetterMap {
public:
    static constexpr std::uint8_t kOtherLetter = 0xFE;
    static constexpr std::uint8_t kNoLetter = 0xFF;
    static constexpr std::size_t kLargestAlphabet = kOtherLetter;

    // `letters` lower-cased; the alphabet is their distinct letters in rising
    // order. Letters beyond Latin-1 take no number, as no entry can hold them.
    explicit LetterMap(std::u32string_view letters);

    std::uint8_t operator[](unsigned char byte) const { return code_[byte]; }
    std::size_t size() const { return size_; }
    // The alphabet's number of a lower-cased letter, or kOtherLetter.
    std::uint8_t codeOf(char32_t letter) const { return letter <= 0xFF ? code_[letter] : kOtherLetter; }

private:
    std::array<std::uint8_t, 256> code_{};
    std::size_t size_ = 0;
};

// A typed word as the list would hold it (Latin-1 bytes), or nothing when the
// list cannot hold it, so that it is no entry of the list.
std::optional<std::string> inListEncoding(std::u32string_view word);

} // namespace tovrel
