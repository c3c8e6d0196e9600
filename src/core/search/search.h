#pragma once

#include "core/search/search_mode.h"
#include "core/wordlist/file_error.h"
#include "core/wordlist/word_list.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tovrel {

class RecordReader;

enum class Listing {
    Text,     // build the results text as well as the count
    CountOnly // only count the matches
};

// Takes the matches of a search one by one, each as its mode shows it
// (Latin-1, lower-cased or as read).
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void add(std::string_view match) = 0;
};

struct SearchOutcome {
    enum class Status { Done, RefusedInput, Unreadable };
    Status status = Status::Done;
    // The matches in list order, each followed by ", ", in Latin-1; empty when
    // nothing matched (the caller shows the no-result text), when only counting
    // or when the matches went to a sink.
    std::string text;
    std::uint64_t count = 0;
    std::optional<FileError> error; // set when the word list could not be read
};

// One pass over the word list in the given mode: the shipped list, then the
// user's added words.
SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list,
                     Listing listing = Listing::Text);

// The same over records from an open reader, for callers that bring their own.
SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader,
                     Listing listing = Listing::Text);

// The same, handing each match to `sink` instead of building the text; a null
// sink only counts.
SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list, ResultSink* sink);
SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader, ResultSink* sink);

} // namespace tovrel
