#include "core/search/found.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace tovrel {

bool FoundSink::addEach(const FoundWord* words, std::size_t count) {
    // A phrase has a few words: the line is built on the stack, without allocating.
    FoundWord few[32];
    std::vector<FoundWord> many;
    FoundWord* line = few;
    if (count > std::size(few)) {
        many.resize(count);
        line = many.data();
    }
    std::copy_n(words, count, line);
    const FoundWord last = words[count - 1];
    for (std::size_t i = 0; i < last.count; ++i) {
        line[count - 1] = {last.entries + i, 1};
        if (!add(line, count))
            return false;
    }
    return true;
}

} // namespace tovrel
