#pragma once

#include <algorithm>
#include <string>
#include <string_view>

// The scramble as it is defined, to hold the one-pass form to: ReverseIt, the
// first n characters of s in reverse order followed by the rest unchanged (an
// n beyond the length counts as the length, one of 0 or less changes nothing),
// applied with n = 0, 1, 2, ... up to the length in turn.
inline std::u32string ReverseIt(std::u32string_view s, long long n) {
    const std::size_t count = n <= 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), s.size());
    std::u32string result(s.rend() - static_cast<std::ptrdiff_t>(count), s.rend());
    result.append(s.substr(count));
    return result;
}

inline std::u32string scrambleByReversals(std::u32string w) {
    const auto length = static_cast<long long>(w.size());
    for (long long n = 0; n <= length; ++n)
        w = ReverseIt(w, n);
    return w;
}
