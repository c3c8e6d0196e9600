#pragma once

#include "core/search/search_mode.h"

namespace tovrel::cli {

struct CommandContext;
struct Invocation;

// The four searches of the window: one word from the command line, or with
// --batch every word of standard input in one pass over the list.
int runAnagramSearch(SearchMode mode, const Invocation& invocation, CommandContext& context);

} // namespace tovrel::cli
