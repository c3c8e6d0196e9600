#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the phrase, tiles and pattern searches hand out: result lines, each a
// few words, each word one entry of the list as it stands there (Latin-1), or
// with grouping the entries that can stand in its place.
namespace tovrel {

struct FoundWord {
    const std::string_view* entries; // at least one; valid during the call that hands them out
    std::size_t count;
};

class FoundSink {
public:
    virtual ~FoundSink() = default;
    // One result line. False stops the search at once (enough lines, a closed pipe).
    virtual bool add(const FoundWord* words, std::size_t count) = 0;
    // Lines that differ only in their last word: one line for each entry of
    // words[count - 1], in order. Phrases come mostly in such runs, which a
    // sink can print faster than line by line. The entries of a run stay in
    // place until the search returns, so that a sink may keep what it made
    // of words that come again in the next run. False stops the search.
    virtual bool addEach(const FoundWord* words, std::size_t count);
};

struct FindOutcome {
    enum class Status {
        Done,       // every result was handed out (or counted), or the limit was reached
        Stopped,    // the sink asked to stop
        BadInput,   // nothing was searched; `message` says why
        Unreadable, // the word list or the commonness file failed; `message` names it and why
    };
    Status status = Status::Done;
    // Result lines handed out (but for those of a call that stopped the
    // search), or counted when there is no sink.
    std::uint64_t count = 0;
    std::string message; // one line, for BadInput and Unreadable

    static FindOutcome badInput(std::string message) { return {Status::BadInput, 0, std::move(message)}; }
};

} // namespace tovrel
