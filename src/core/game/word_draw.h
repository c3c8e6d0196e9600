#pragma once

#include "core/wordlist/file_error.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tovrel {

class WordList;

// A fraction made a whole number as the game does it: to the nearest integer,
// a value halfway between two going to the even one.
int roundHalfToEven(float value);

// One of the game's three draws: the random value in [0, 1) times 10000, the
// product in single precision, rounded half to even; 0 to 10000.
int drawOffset(float random);

struct DrawnRecord {
    std::string record;
    std::optional<FileError> error; // set when the list could not be read
};

// Record number n + 1 of the list, counting from 1; the last record of a
// shorter list; empty for an empty list. Reading stops right after it.
DrawnRecord recordAt(const WordList& list, std::uint64_t n);

} // namespace tovrel
