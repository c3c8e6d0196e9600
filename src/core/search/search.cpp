#include "core/search/search.h"

#include "core/search/matchers.h"
#include "core/search/messages.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"

namespace tovrel {
namespace {

// Builds the results text: every match followed by ", ".
class TextSink : public ResultSink {
public:
    explicit TextSink(std::string& text) : text_(text) {}
    void add(std::string_view match) override {
        text_.append(match);
        text_.append(messages::kResultSeparator);
    }

private:
    std::string& text_;
};

template <typename Matcher>
std::uint64_t pass(const Matcher& matcher, RecordReader& reader, ResultSink* sink) {
    std::uint64_t count = 0;
    if (!sink) {
        reader.forEachRecord([&](std::string_view record) { count += matcher.matches(record) ? 1 : 0; });
        return count;
    }
    std::string lowerCased;
    reader.forEachRecord([&](std::string_view record) {
        if (!matcher.matches(record))
            return;
        ++count;
        if constexpr (Matcher::kListsLowerCased) {
            lowerCased.assign(record);
            for (char& c : lowerCased)
                c = static_cast<char>(toLower(static_cast<unsigned char>(c)));
            sink->add(lowerCased);
        } else {
            sink->add(record);
        }
    });
    return count;
}

std::uint64_t passInMode(SearchMode mode, std::u32string_view typed, RecordReader& reader, ResultSink* sink,
                         bool& refused) {
    switch (mode) {
    case SearchMode::Complete: {
        const CompleteMatcher matcher(typed);
        refused = matcher.refused();
        return refused ? 0 : pass(matcher, reader, sink);
    }
    case SearchMode::Extended:
        return pass(ExtendedMatcher(typed), reader, sink);
    case SearchMode::Partial:
        return pass(PartialMatcher(typed), reader, sink);
    case SearchMode::ExtendedPartial:
        return pass(ExtendedPartialMatcher(typed), reader, sink);
    }
    return 0;
}

SearchOutcome unreadable(FileError error) {
    SearchOutcome outcome;
    outcome.status = SearchOutcome::Status::Unreadable;
    outcome.error = std::move(error);
    return outcome;
}

} // namespace

SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader, ResultSink* sink) {
    SearchOutcome outcome;
    bool refused = false;
    outcome.count = passInMode(mode, typed, reader, sink, refused);
    if (refused)
        outcome.status = SearchOutcome::Status::RefusedInput;
    else if (reader.error())
        return unreadable(*reader.error());
    return outcome;
}

SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader, Listing listing) {
    std::string text;
    TextSink sink(text);
    SearchOutcome outcome = search(mode, typed, reader, listing == Listing::Text ? &sink : nullptr);
    if (outcome.status == SearchOutcome::Status::Done)
        outcome.text = std::move(text);
    return outcome;
}

// Each file of the list in turn, the matches going on into the same sink.
SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list, ResultSink* sink) {
    SearchOutcome outcome;
    const std::optional<FileError> error = list.read([&](RecordReader& reader) {
        const std::uint64_t before = outcome.count;
        outcome = search(mode, typed, reader, sink);
        outcome.count += before;
        return outcome.status == SearchOutcome::Status::Done;
    });
    if (error)
        return unreadable(*error);
    return outcome;
}

SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list, Listing listing) {
    std::string text;
    TextSink sink(text);
    SearchOutcome outcome = search(mode, typed, list, listing == Listing::Text ? &sink : nullptr);
    if (outcome.status == SearchOutcome::Status::Done)
        outcome.text = std::move(text);
    return outcome;
}

} // namespace tovrel
