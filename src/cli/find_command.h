#pragma once

#include "core/wordlist/word_list.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace tovrel {

// tovrel2-find [--dictionary PATH] [--count] MODE WORD
// Prints what the results box would hold after the search (or, with --count,
// the number of matches); without --dictionary it searches `defaultList`.
// Returns the exit status: 0 done, 1 the word list could not be read, 2 a
// word or arguments that cannot be searched.
int runFindCommand(const std::vector<std::string>& arguments, const WordList& defaultList, std::ostream& out,
                   std::ostream& err);

} // namespace tovrel
