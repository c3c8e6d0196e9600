#pragma once

#include "cli/invocation.h"
#include "core/search/found.h"

#include <cstddef>

namespace tovrel::cli {

class Output;

// Prints the results of the phrase, tiles and pattern searches as they come:
// a result a line, its words separated by a blank and a grouped word's
// alternatives by "/" ("asleep/elapse/please sat"), or each result ended by a
// NUL, or a JSON object a line. Phrases come by the million: a line is made in
// place in the output's buffer, each entry copied with one move of a fixed
// size (see kFoundTextPadding), by the printer or by the search itself. Asks
// the search to stop once a write fails.
class FoundPrinter : public FoundSink {
public:
    enum class Shape {
        Word,        // one word a result: {"word": "rat"}
        Words,       // {"words": ["old", "west", "action"]}
        GroupedWords // {"words": [["asleep", "elapse", "please"], ["sat"]]}
    };

    // `format`: Lines, Null or Json.
    FoundPrinter(Output& out, Format format, Shape shape);

    bool add(const FoundWord* words, std::size_t count) override { return addLines(words, count, 1); }
    bool addLines(const FoundWord* words, std::size_t count, std::size_t lines) override;
    // Lines and NUL-ended results are text the phrase search can write itself.
    const FoundTextLayout* textLayout() const override;
    char* textRoom(std::size_t bytes, char*& end) override;
    bool textWritten(char* end) override;

private:
    bool printText(const FoundWord* words, std::size_t count, std::size_t lines);
    bool printJson(const FoundWord* words, std::size_t count);

    Output& out_;
    Format format_;
    Shape shape_;
    FoundTextLayout layout_;
};

} // namespace tovrel::cli
