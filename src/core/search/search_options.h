#pragma once

#include "core/wordlist/text_encoding.h"

#include <optional>

namespace tovrel {

// How a search reads the characters of the word list.
struct SearchOptions {
    // How the list is read; none: found out from the list itself (see
    // RecordReader::detectEncoding).
    std::optional<Encoding> encoding = Encoding::Latin1;
    // Accented letters count as their plain letters ("é" as "e") in matching;
    // a match is still listed as it stands.
    bool foldAccents = false;
};

} // namespace tovrel
