#pragma once

#include "core/search/found.h"
#include "core/search/search_options.h"
#include "core/wordlist/list_files.h"

#include <cstddef>
#include <string>

namespace tovrel {

class Commonness;

struct TilesOptions {
    std::u32string tiles;      // letters and "?" for a blank tile; blanks are ignored
    std::size_t minLength = 2; // letters of a word; 0 counts as 1
    SearchOptions reading;
};

// The entries that a rack of tiles spells, each tile used at most once and a
// blank standing for any one letter: longest first, then commoner first (by
// `commonness`, which may be null; an entry of the user's added words counts
// as the rarest), then in list order; an entry the list holds twice comes
// once. Each result is one word, handed to `sink` as it stands in the list; a
// null sink only counts.
FindOutcome findTiles(const TilesOptions& options, const ListFiles& list, const Commonness* commonness,
                      FoundSink* sink);

} // namespace tovrel
