#include "core/search/pattern_search.h"

#include "core/search/pattern_matcher.h"
#include "core/wordlist/record_reader.h"

namespace tovrel {

FindOutcome findPattern(std::u32string_view pattern, const std::string& listPath, FoundSink* sink) {
    const PatternMatcher::Made made = PatternMatcher::make(pattern);
    if (!made.matcher)
        return FindOutcome::badInput(made.refusal);
    RecordReader list;
    if (auto error = list.open(listPath))
        return {FindOutcome::Status::Unreadable, 0, "cannot read the word list " + error->message()};
    return findPattern(pattern, list, sink);
}

FindOutcome findPattern(std::u32string_view pattern, RecordReader& list, FoundSink* sink) {
    const PatternMatcher::Made made = PatternMatcher::make(pattern);
    if (!made.matcher)
        return FindOutcome::badInput(made.refusal);
    const PatternMatcher& matcher = *made.matcher;
    FindOutcome outcome;
    // The reader's fast pass over a whole list has no way out but this, and
    // a sink that stops (a closed pipe) must end the search at once.
    struct Stop {};
    try {
        list.forEachRecord([&](std::string_view record) {
            if (!matcher.matches(record))
                return;
            const FoundWord word{&record, 1};
            if (sink && !sink->add(&word, 1))
                throw Stop{};
            ++outcome.count;
        });
    } catch (const Stop&) {
        outcome.status = FindOutcome::Status::Stopped;
        return outcome;
    }
    if (list.error())
        return {FindOutcome::Status::Unreadable, outcome.count,
                "cannot read the word list " + list.error()->message()};
    return outcome;
}

} // namespace tovrel
