#pragma once

namespace tovrel::cli {

struct CommandContext;
struct Invocation;

// The searches beyond the window's four: a phrase anagrammed into a few
// words, the words a rack of tiles spells, the words that fit a crossword
// pattern. Each prints its results as the core hands them out.
int runPhraseSearch(const Invocation& invocation, CommandContext& context);
int runTilesSearch(const Invocation& invocation, CommandContext& context);
int runPatternSearch(const Invocation& invocation, CommandContext& context);

} // namespace tovrel::cli
