#pragma once

#include "cli/invocation.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel::cli {

class Output;

// Prints the results of one word in the chosen format: the matches as they
// come (or gathered, for JSON, whose count comes before the words), then the
// end: the count, the box's no-result text, the line end.
class ResultPrinter {
public:
    ResultPrinter(Output& out, const Invocation& invocation);

    // The header line of a word in a batch ("WORD:"); JSON names the word in
    // each object instead.
    void header(std::string_view word);
    void match(std::string_view utf8);
    void finish(std::string_view word, std::uint64_t count);

private:
    Output& out_;
    const Invocation& invocation_;
    std::vector<std::string> gathered_; // for JSON
};

} // namespace tovrel::cli
