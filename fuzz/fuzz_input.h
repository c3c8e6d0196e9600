#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace fuzzing {

// Stops the run with a message, so that libFuzzer keeps the input as a crash.
inline void require(bool holds, const char* what) {
    if (!holds) {
        std::fprintf(stderr, "property broken: %s\n", what);
        std::abort();
    }
}

// A typed word from fuzz bytes. Each byte is the code point of that value,
// except that 0xFF x stands for a code point beyond Latin-1 whose low byte is
// x (or for U+00FF itself when x is 0), so that any code that cut a code
// point down to a byte would meet a letter it must not see.
inline std::u32string typedWord(std::string_view bytes) {
    std::u32string word;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char32_t byte = static_cast<unsigned char>(bytes[i]);
        if (byte != 0xFF || i + 1 == bytes.size()) {
            word += byte;
            continue;
        }
        const char32_t x = static_cast<unsigned char>(bytes[++i]);
        word += x == 0 ? char32_t{0xFF} : ((x << 12) | x) + 0x100;
    }
    return word;
}

// The Latin-1 code points of a typed word as the bytes of a record; the others
// are left out.
inline std::string latin1Part(std::u32string_view word) {
    std::string out;
    for (const char32_t c : word)
        if (c <= 0xFF)
            out += static_cast<char>(c);
    return out;
}

} // namespace fuzzing
