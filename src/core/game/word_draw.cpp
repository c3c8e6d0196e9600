#include "core/game/word_draw.h"

#include "core/wordlist/record_reader.h"

#include <cmath>

namespace tovrel {

int roundHalfToEven(float value) {
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

int drawOffset(float random) {
    return roundHalfToEven(random * 10000.0f);
}

std::string recordAt(RecordReader& reader, std::uint64_t n) {
    std::string word;
    for (std::uint64_t read = 0; read <= n && !reader.atEnd(); ++read)
        word.assign(reader.next());
    return word;
}

} // namespace tovrel
