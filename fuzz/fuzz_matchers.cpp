// The four matchers against the plain rules, on any typed word and any record,
// of any length.

#include "core/search/matchers.h"
#include "fuzz_input.h"
#include "reference.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

namespace {

void check(std::u32string_view typed, const reference::Typed& rules, std::string_view record) {
    const tovrel::CompleteMatcher complete(typed);
    fuzzing::require(complete.refused() == rules.completeRefuses, "complete refuses as the rule says");
    fuzzing::require(complete.matches(record) == reference::completeMatches(rules, record), "complete");
    fuzzing::require(tovrel::ExtendedMatcher(typed).matches(record) ==
                         reference::extendedMatches(rules, record),
                     "extended");
    fuzzing::require(
        tovrel::PartialMatcher(typed).matches(record) == reference::partialMatches(rules, record), "partial");
    fuzzing::require(tovrel::ExtendedPartialMatcher(typed).matches(record) ==
                         reference::extendedPartialMatches(rules, record),
                     "extended partial");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::u32string typed = fuzzing::typedWord(input.ConsumeRandomLengthString());
    const std::string record = input.ConsumeRemainingBytesAsString();
    const reference::Typed rules(typed);
    check(typed, rules, record);
    // Records made of the typed word's own characters, so that matches are
    // common rather than a rare find.
    std::string own = fuzzing::latin1Part(typed);
    check(typed, rules, own);
    std::reverse(own.begin(), own.end());
    check(typed, rules, own);
    return 0;
}
