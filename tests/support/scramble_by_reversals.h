#pragma once

#include "core/game/scramble.h"

#include <string>

// The scramble as it is defined, for comparison: the prefixes of 0, 1, ... up
// to all of the characters reversed in turn.
inline std::u32string scrambleByReversals(std::u32string w) {
    const auto length = static_cast<long long>(w.size());
    for (long long n = 0; n <= length; ++n)
        w = tovrel::reversePrefix(w, n);
    return w;
}
