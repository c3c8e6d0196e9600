#include "search/search.h"

#include "search/matchers.h"
#include "wordlist/record_reader.h"

namespace tovrel {
namespace {

template <typename Matcher>
void pass(const Matcher& matcher, RecordReader& reader, Listing listing, SearchOutcome& outcome) {
    std::uint64_t count = 0;
    if (listing == Listing::Text) {
        while (!reader.atEnd()) {
            const std::string_view record = reader.next();
            if (matcher.matches(record)) {
                Matcher::list(record, outcome.text);
                ++count;
            }
        }
    } else {
        while (!reader.atEnd())
            count += matcher.matches(reader.next()) ? 1 : 0;
    }
    outcome.count = count;
    if (reader.error()) {
        outcome.status = SearchOutcome::Status::Unreadable;
        outcome.error = reader.error();
        outcome.text.clear();
        outcome.count = 0;
    }
}

} // namespace

SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader, Listing listing) {
    SearchOutcome outcome;
    switch (mode) {
    case SearchMode::Complete: {
        const CompleteMatcher matcher(typed);
        if (matcher.refused()) {
            outcome.status = SearchOutcome::Status::RefusedInput;
            return outcome;
        }
        pass(matcher, reader, listing, outcome);
        break;
    }
    case SearchMode::Extended:
        pass(ExtendedMatcher(typed), reader, listing, outcome);
        break;
    case SearchMode::Partial:
        pass(PartialMatcher(typed), reader, listing, outcome);
        break;
    case SearchMode::ExtendedPartial:
        pass(ExtendedPartialMatcher(typed), reader, listing, outcome);
        break;
    }
    return outcome;
}

SearchOutcome search(SearchMode mode, std::u32string_view typed, const std::string& dictionaryPath,
                     Listing listing) {
    RecordReader reader;
    if (auto error = reader.open(dictionaryPath)) {
        SearchOutcome outcome;
        outcome.status = SearchOutcome::Status::Unreadable;
        outcome.error = std::move(error);
        return outcome;
    }
    return search(mode, typed, reader, listing);
}

} // namespace tovrel
