#include "core/search/letter_map.h"

#include "core/wordlist/latin1.h"

namespace tovrel {

LetterMap::LetterMap(std::u32string_view letters) {
    std::array<bool, 256> inAlphabet{};
    for (const char32_t c : letters)
        if (c <= 0xFF)
            inAlphabet[c] = true;
    std::array<std::uint8_t, 256> number{};
    for (int c = 0; c < 256; ++c)
        if (inAlphabet[c])
            number[c] = static_cast<std::uint8_t>(size_++);
    for (int byte = 0; byte < 256; ++byte) {
        const unsigned char lower = toLower(static_cast<unsigned char>(byte));
        code_[byte] = !isLetter(lower) ? kNoLetter : inAlphabet[lower] ? number[lower] : kOtherLetter;
    }
}

std::optional<std::string> inListEncoding(std::u32string_view word) {
    std::string bytes;
    for (const char32_t c : word) {
        if (c > 0xFF)
            return std::nullopt;
        bytes += static_cast<char>(c);
    }
    return bytes;
}

} // namespace tovrel
