#pragma once

#include "core/search/phrase_options.h"
#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tovrel::cli {

struct FindMode;

enum class Format {
    Lines, // one word (or result) a line, as grep and the other word tools print
    Null,  // each word (or result) ended by a NUL byte, for xargs -0
    Box,   // the results box's text: every word followed by ", "
    Json   // a JSON document (a JSON object a line with --batch, or a result a line)
};

// What the command line asks for.
struct Invocation {
    const FindMode* mode = nullptr;
    std::string word;       // the letters, the phrase, the tiles or the pattern
    std::string dictionary; // empty: the default list; "-": standard input
    Format format = Format::Lines;
    bool countOnly = false;
    bool batch = false;
    std::optional<Encoding> encoding; // none: found out from the list
    bool foldAccents = false;
    bool help = false;
    bool version = false;

    // The phrase search; --min-length is the tiles search's too.
    std::size_t maxWords = 3;
    std::size_t minLength = 2;
    bool noCapitals = false;
    std::vector<std::string> include;
    std::vector<std::string> exclude;
    std::uint64_t limit = 0; // none
    bool group = false;
    PhraseOptions::Order order = PhraseOptions::Order::RankedShortResults;
};

} // namespace tovrel::cli
