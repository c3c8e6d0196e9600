#pragma once

#include <string>
#include <string_view>

namespace tovrel {

// The first n characters of s in reverse order, followed by the rest of s
// unchanged. An n beyond the length counts as the length; n of 0 or less
// leaves s as it is.
std::u32string reversePrefix(std::u32string_view s, long long n);

// The scramble of w, which reverses the prefixes of 0, 1, 2, ... up to all of
// its characters in turn, computed in one pass: the characters at the
// positions of the same parity as the length, from the last down, then the
// others from the first up (counting from 1).
std::u32string scrambleInOnePass(std::u32string_view w);

} // namespace tovrel
