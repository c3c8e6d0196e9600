#pragma once

#include <string>
#include <string_view>

namespace tovrel {

// The scramble of the word game and of Randomize. It is defined as ReverseIt,
// the reversal of the first n characters, applied with n = 0, 1, 2, ... up to
// the length, each to the text the one before left; this gives the same text
// in one pass: the characters at the positions of the same parity as the
// length, from the last down, then the others from the first up (counting
// from 1).
std::u32string scramble(std::u32string_view w);

} // namespace tovrel
