#pragma once

namespace tovrel::cli {

// As grep's: a script can tell a match from none, and both from trouble.
enum ExitStatus {
    kMatched = 0, // at least one match
    kNoMatch = 1,
    kTrouble = 2 // bad arguments, a refused word, an unreadable list, a failed write
};

} // namespace tovrel::cli
