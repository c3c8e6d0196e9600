#pragma once

#include "core/search/found.h"

#include <string>

namespace tovrel {

class RecordReader;

// The entries that fit a crossword pattern (see PatternMatcher), in list
// order, each handed to `sink` as it stands in the list as soon as it is
// read; a null sink only counts them.
FindOutcome findPattern(std::u32string_view pattern, const std::string& listPath, FoundSink* sink);
FindOutcome findPattern(std::u32string_view pattern, RecordReader& list, FoundSink* sink);

} // namespace tovrel
