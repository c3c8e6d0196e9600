#include "core/search/found.h"

#include <vector>

namespace tovrel {

bool FoundSink::addEach(const FoundWord* words, std::size_t count) {
    std::vector<FoundWord> line(words, words + count);
    const FoundWord last = words[count - 1];
    for (std::size_t i = 0; i < last.count; ++i) {
        line.back() = {last.entries + i, 1};
        if (!add(line.data(), count))
            return false;
    }
    return true;
}

} // namespace tovrel
