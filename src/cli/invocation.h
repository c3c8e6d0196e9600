#pragma once

#include "core/wordlist/text_encoding.h"

#include <optional>
#include <string>

namespace tovrel::cli {

struct FindMode;

enum class Format {
    Lines, // one word a line, as grep and the other word tools print
    Null,  // each word ended by a NUL byte, for xargs -0
    Box,   // the results box's text: every word followed by ", "
    Json   // a JSON document (a JSON object a line with --batch)
};

// What the command line asks for.
struct Invocation {
    const FindMode* mode = nullptr;
    std::string word;
    std::string dictionary; // empty: the default list; "-": standard input
    Format format = Format::Lines;
    bool countOnly = false;
    bool batch = false;
    std::optional<Encoding> encoding; // none: found out from the list
    bool foldAccents = false;
    bool help = false;
    bool version = false;
};

} // namespace tovrel::cli
