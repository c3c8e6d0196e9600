// The pattern matcher against the plain rule on any pattern and entry: a
// pattern is refused exactly when the rule refuses it, and an entry fits
// exactly when its letters fit by the rule.

#include "core/search/character_rules.h"
#include "core/search/pattern_matcher.h"
#include "core/wordlist/utf8.h"
#include "fuzz_input.h"
#include "phrase_reference.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

// Wildcards and a few letters most of the time, so that entries fit often.
constexpr char32_t kPatternCharacters[] = U"??..**aetAE\u00E9\u00C9 ";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    std::u32string pattern;
    for (const char c : input.ConsumeRandomLengthString(64)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        pattern += byte >= 0xF0
                       ? fuzzing::typedWord(std::string(1, c))[0]
                       : kPatternCharacters[byte % (sizeof kPatternCharacters / sizeof(char32_t) - 1)];
    }
    std::string entry = input.ConsumeRemainingBytesAsString();

    std::u32string tokens;
    bool refused = false;
    for (const char32_t c : pattern) {
        if (c == U' ')
            continue;
        refused |= !(reference::isLetter(c) || c == U'?' || c == U'.' || c == U'*');
        tokens += reference::lower(c);
    }
    refused |= tokens.find_first_not_of(U'*') == std::u32string::npos;

    const tovrel::PatternMatcher::Made made = tovrel::PatternMatcher::make(pattern, tovrel::CharacterRules());
    fuzzing::require(!made.matcher == refused, "refused as the rule says");
    fuzzing::require(made.matcher || !made.refusal.empty(), "a refusal says why");
    if (!made.matcher)
        return 0;
    auto check = [&](std::string_view record) {
        fuzzing::require(made.matcher->matches(record, tovrel::isAscii(record)) ==
                             reference::patternFits(tokens, reference::lettersOf(record)),
                         "fits as the rule says");
    };
    check(entry);
    // An entry made of the pattern's own letters, so that fitting is common rather than a rare find.
    std::string own;
    for (const char32_t c : tokens)
        own += c == U'*' ? "" : c == U'?' || c == U'.' ? "x" : std::string(1, static_cast<char>(c));
    check(own);
    return 0;
}
