#pragma once

#include "core/wordlist/skipped_records.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What the phrase, tiles and pattern searches hand out: result lines, each a
// few words, each word one entry of the list as it stands there, in UTF-8
// whatever the list's encoding, or with grouping the entries that can stand
// in its place.
namespace tovrel {

// The text of every entry handed out is followed by at least this many bytes
// that may be read (what they hold means nothing), so that a sink can copy a
// short entry with one move of a fixed size instead of a call.
inline constexpr std::size_t kFoundTextPadding = 32;

struct FoundWord {
    const std::string_view* entries; // at least one; valid during the call that hands them out
    std::size_t count;
};

// How a sink that prints lines of text wants them (see FoundSink::textLayout).
struct FoundTextLayout {
    char wordSeparator;        // between the words of a line
    char alternativeSeparator; // between the entries of a grouped word
    char lineEnd;              // after each line
};

class FoundSink {
public:
    virtual ~FoundSink() = default;
    // One result line. False stops the search at once (enough lines, a closed pipe).
    virtual bool add(const FoundWord* words, std::size_t count) = 0;
    // `lines` result lines of `count` words each, one after another in
    // `words`. Phrases come by the million; a sink that takes them in blocks
    // prints them faster than line by line. False stops the search.
    virtual bool addLines(const FoundWord* words, std::size_t count, std::size_t lines);

    // A sink that prints lines of text may take them as text: the phrase
    // search, which makes millions, then writes them straight into the sink's
    // buffer, the words as add() would have them, laid out as said here.
    // Null: lines come through add() and addLines() only.
    virtual const FoundTextLayout* textLayout() const { return nullptr; }
    // Room for at least `bytes` of lines, and kFoundTextPadding bytes beyond
    // that may be written over; `end` is set to where the room ends. Null
    // stops the search.
    virtual char* textRoom(std::size_t bytes, char*& end);
    // The lines written into the room so far end at `end` (a room may be
    // told of several times, each time further on); false stops the search.
    virtual bool textWritten(char* end);
};

struct FindOutcome {
    enum class Status {
        Done,       // every result was handed out (or counted), or the limit was reached
        Stopped,    // the sink asked to stop
        BadInput,   // nothing was searched; `message` says why
        Unreadable, // the word list or the commonness index failed; `message` names it and why
    };
    Status status = Status::Done;
    // Result lines handed out (but for those of a call that stopped the
    // search), or counted when there is no sink.
    std::uint64_t count = 0;
    std::string message;    // one line, for BadInput and Unreadable
    SkippedRecords skipped; // records too long to read, left out of the search
    std::string skippedIn;  // the file that held the first of them

    static FindOutcome badInput(std::string message) {
        FindOutcome outcome;
        outcome.status = Status::BadInput;
        outcome.message = std::move(message);
        return outcome;
    }
    static FindOutcome unreadable(std::string message, std::uint64_t count = 0) {
        FindOutcome outcome;
        outcome.status = Status::Unreadable;
        outcome.count = count;
        outcome.message = std::move(message);
        return outcome;
    }
    // Notes the records that `file` skipped for their length.
    void addSkipped(const SkippedRecords& file, const std::string& name);
};

} // namespace tovrel
