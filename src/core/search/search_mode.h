#pragma once

#include <optional>
#include <string_view>

namespace tovrel {

enum class SearchMode {
    Complete,       // exact anagrams: every letter as often as typed
    Extended,       // the same set of letters a to z, any length
    Partial,        // no longer than the word, every character from it
    ExtendedPartial // at least as long as the word, every character from it
};

// The mode's name on the command line: complete, extended, partial, extended-partial.
std::string_view modeName(SearchMode mode);
std::optional<SearchMode> modeFromName(std::string_view name);

} // namespace tovrel
