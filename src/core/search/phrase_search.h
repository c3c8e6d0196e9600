#pragma once

#include "core/search/found.h"
#include "core/search/phrase_options.h"
#include "core/wordlist/list_files.h"

namespace tovrel {

class Commonness;

// Anagrams of a phrase into a few entries of the word list: every multiset of
// at most maxWords distinct entries whose letters together are exactly the
// phrase's. Results go to `sink` as they are ready, each word an entry as it
// stands in the list; a null sink only counts them. `commonness` (may be
// null: every word then counts as the rarest) ranks them; an entry of the
// user's added words counts as the rarest.
FindOutcome findPhrases(const PhraseOptions& options, const ListFiles& list, const Commonness* commonness,
                        FoundSink* sink);

} // namespace tovrel
