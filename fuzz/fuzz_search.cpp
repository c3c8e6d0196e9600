// Whole searches over any list in each mode: the text and the count a search
// gives are those of the plain reader and the plain rules.

#include "core/search/search.h"
#include "core/wordlist/record_reader.h"
#include "fuzz_input.h"
#include "reference.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

using tovrel::SearchMode;

bool matches(SearchMode mode, const reference::Typed& typed, std::string_view record) {
    switch (mode) {
    case SearchMode::Complete:
        return reference::completeMatches(typed, record);
    case SearchMode::Extended:
        return reference::extendedMatches(typed, record);
    case SearchMode::Partial:
        return reference::partialMatches(typed, record);
    case SearchMode::ExtendedPartial:
        return reference::extendedPartialMatches(typed, record);
    }
    return false;
}

bool listsLowerCased(SearchMode mode) {
    return mode == SearchMode::Complete || mode == SearchMode::ExtendedPartial;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::u32string typed = fuzzing::typedWord(input.ConsumeRandomLengthString());
    const std::string list = input.ConsumeRemainingBytesAsString();
    const std::vector<std::string> records = reference::records(list);
    const reference::Typed rules(typed);

    for (const SearchMode mode :
         {SearchMode::Complete, SearchMode::Extended, SearchMode::Partial, SearchMode::ExtendedPartial}) {
        std::string text;
        std::uint64_t count = 0;
        for (const std::string& record : records) {
            if (!matches(mode, rules, record))
                continue;
            text += listsLowerCased(mode) ? reference::lowerCasedRecord(record) : record;
            text += ", ";
            ++count;
        }
        const bool refused = mode == SearchMode::Complete && rules.completeRefuses;

        tovrel::RecordReader reader(list);
        const tovrel::SearchOutcome listed = tovrel::search(mode, typed, reader, tovrel::Listing::Text);
        tovrel::RecordReader again(list);
        const tovrel::SearchOutcome counted = tovrel::search(mode, typed, again, tovrel::Listing::CountOnly);
        if (refused) {
            fuzzing::require(listed.status == tovrel::SearchOutcome::Status::RefusedInput, "refused");
            fuzzing::require(listed.text.empty() && listed.count == 0, "nothing found when refused");
            fuzzing::require(counted.status == tovrel::SearchOutcome::Status::RefusedInput, "refused count");
            continue;
        }
        fuzzing::require(listed.status == tovrel::SearchOutcome::Status::Done, "searched");
        fuzzing::require(listed.text == text, "results text");
        fuzzing::require(listed.count == count, "count with the text");
        fuzzing::require(counted.count == count && counted.text.empty(), "count only");
    }
    return 0;
}
