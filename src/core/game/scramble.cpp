#include "core/game/scramble.h"

#include <cstddef>

namespace tovrel {

std::u32string scramble(std::u32string_view w) {
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
