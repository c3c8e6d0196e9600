#include "core/game/word_draw.h"

#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"

#include <cmath>

namespace tovrel {

int roundHalfToEven(float value) {
    // nearbyint rounds in the current mode, which is to nearest, ties to even.
    return static_cast<int>(std::nearbyint(value));
}

int drawOffset(float random) {
    return roundHalfToEven(random * 10000.0f);
}

DrawnRecord recordAt(const WordList& list, std::uint64_t n) {
    DrawnRecord drawn;
    std::uint64_t read = 0;
    drawn.error = list.read([&](RecordReader& reader) {
        for (; read <= n && !reader.atEnd(); ++read)
            drawn.record.assign(reader.next());
        return read <= n;
    });
    return drawn;
}

} // namespace tovrel
