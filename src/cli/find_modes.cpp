#include "cli/anagram_search.h"
#include "cli/find_mode.h"
#include "cli/found_searches.h"

namespace tovrel::cli {
namespace {

FindMode anagramMode(SearchMode mode, const char* summary) {
    return {modeName(mode), summary, [mode](const Invocation& invocation, CommandContext& context) {
                return runAnagramSearch(mode, invocation, context);
            }};
}

} // namespace

const std::vector<FindMode>& findModes() {
    static const std::vector<FindMode> modes = {
        anagramMode(SearchMode::Complete, "exact anagrams: each letter used as often as in WORD"),
        anagramMode(SearchMode::Extended, "the same letters a to z as WORD, each any number of times"),
        anagramMode(SearchMode::Partial, "words no longer than WORD made only of its characters"),
        anagramMode(SearchMode::ExtendedPartial,
                    "words at least as long as WORD made only of its characters"),
        {"phrase", "the phrase's letters as a few words, the commonest first", runPhraseSearch, true},
        {"tiles", "the words the tiles spell, each once, \"?\" a blank; longest first", runTilesSearch},
        {"pattern", "crossword: \"?\" or \".\" one letter, \"*\" any run of letters", runPatternSearch},
    };
    return modes;
}

const FindMode* findMode(std::string_view name) {
    for (const FindMode& mode : findModes())
        if (mode.name == name)
            return &mode;
    return nullptr;
}

} // namespace tovrel::cli
