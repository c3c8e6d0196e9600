#pragma once

#include "core/search/search_mode.h"
#include "core/search/search_options.h"
#include "core/wordlist/file_error.h"
#include "core/wordlist/skipped_records.h"
#include "core/wordlist/text_encoding.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

class RecordReader;
class WordList;

enum class Listing {
    Text,     // build the results text as well as the count
    CountOnly // only count the matches
};

// Takes the matches of a search one by one, each as its mode shows it
// (lower-cased or as read), in the encoding given with it.
class ResultSink {
public:
    virtual ~ResultSink() = default;
    virtual void add(std::string_view match, Encoding encoding) = 0;
};

struct SearchOutcome {
    enum class Status { Done, RefusedInput, Unreadable };
    Status status = Status::Done;
    // The matches in list order, each followed by ", ", in `encoding`; empty
    // when nothing matched (the caller shows the no-result text), when only
    // counting or when the matches went to a sink.
    std::string text;
    std::uint64_t count = 0;
    Encoding encoding = Encoding::Latin1; // how the list was read
    std::optional<FileError> error;       // set when the word list could not be read
    SkippedRecords skipped;               // records too long to read, left out of the search
    std::string skippedIn;                // the file that held the first of them
};

// One pass over the word list in the given mode: the shipped list, then the
// user's added words, each read as Latin-1. A list must be a regular file: a
// pipe or a device in its place is refused with an error instead of blocking.
SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list,
                     Listing listing = Listing::Text);

// The same over records from an open reader, for callers that bring their own.
SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader,
                     Listing listing = Listing::Text, const SearchOptions& options = {});

// Several typed words in one pass over the list, the matches of each handed to
// its own sink as they are found (a null sink only counts); an outcome per word.
std::vector<SearchOutcome> search(SearchMode mode, const std::vector<std::u32string>& typed,
                                  RecordReader& reader, const std::vector<ResultSink*>& sinks,
                                  const SearchOptions& options = {});
// The same over each file of the word list in turn, as if they were one file.
std::vector<SearchOutcome> search(SearchMode mode, const std::vector<std::u32string>& typed,
                                  const WordList& list, const std::vector<ResultSink*>& sinks,
                                  const SearchOptions& options = {});

} // namespace tovrel
