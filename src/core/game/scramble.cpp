#include "core/game/scramble.h"

#include <algorithm>
#include <cstddef>

namespace tovrel {

std::u32string reversePrefix(std::u32string_view s, long long n) {
    const std::size_t count =
        n <= 0 ? 0 : std::min<std::size_t>(static_cast<unsigned long long>(n), s.size());
    std::u32string result(s.rend() - static_cast<std::ptrdiff_t>(count), s.rend());
    result.append(s.substr(count));
    return result;
}

std::u32string scrambleInOnePass(std::u32string_view w) {
    std::u32string result;
    result.reserve(w.size());
    const auto length = static_cast<std::ptrdiff_t>(w.size());
    const auto at = [w](std::ptrdiff_t position) { return w[static_cast<std::size_t>(position - 1)]; };
    for (std::ptrdiff_t position = length; position >= 1; position -= 2)
        result += at(position);
    for (std::ptrdiff_t position = 1 + length % 2; position < length; position += 2)
        result += at(position);
    return result;
}

} // namespace tovrel
