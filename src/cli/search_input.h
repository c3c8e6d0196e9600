#pragma once

#include "core/search/search_options.h"

#include <string>

namespace tovrel {
class RecordReader;
}

namespace tovrel::cli {

struct CommandContext;
struct Invocation;

// What every search of tovrel2-find takes from its command line.

// The typed text as characters; the command line has checked it is UTF-8.
std::u32string codePoints(const std::string& utf8);

// How the list is read: --encoding and --fold-accents.
SearchOptions searchOptions(const Invocation& invocation);

// Opens the list named with --dictionary (a file, a pipe, or "-" for standard
// input) in `reader`; false when it cannot be opened, which is said.
bool openNamedList(const Invocation& invocation, CommandContext& context, RecordReader& reader);

} // namespace tovrel::cli
