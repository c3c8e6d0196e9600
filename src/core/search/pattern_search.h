#pragma once

#include "core/search/found.h"
#include "core/search/search_options.h"
#include "core/wordlist/list_files.h"

#include <string>

namespace tovrel {

struct PatternOptions {
    std::u32string pattern; // see PatternMatcher
    SearchOptions reading;
};

// The entries that fit a crossword pattern (see PatternMatcher), in list
// order, each handed to `sink` as soon as it is read; a null sink only counts
// them.
FindOutcome findPattern(const PatternOptions& options, const ListFiles& list, FoundSink* sink);

} // namespace tovrel
