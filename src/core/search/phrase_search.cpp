#include "core/search/phrase_search.h"

#include "core/search/anagram_classes.h"
#include "core/search/letter_map.h"
#include "core/search/phrase_enumerator.h"
#include "core/search/phrase_lines.h"
#include "core/search/ranked_pass.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/record_reader.h"

namespace tovrel {
namespace {

class ListPass : public ClassesVisitor {
public:
    ListPass(const AnagramClasses& classes, PhraseLines& lines, bool group)
        : classes_(classes), lines_(lines), group_(group) {}
    bool visit(const std::uint32_t* combo, std::size_t count) override {
        PhraseLines::Part parts[PhraseLines::kMostParts];
        for (std::size_t i = 0; i < count; ++i)
            parts[i] = {classes_.entriesBegin(combo[i]), classes_.entriesEnd(combo[i])};
        return group_ ? lines_.group(parts, count) : lines_.expand(parts, count);
    }

private:
    const AnagramClasses& classes_;
    PhraseLines& lines_;
    bool group_;
};

FindOutcome unreadable(const FileError& error) {
    return {FindOutcome::Status::Unreadable, 0, "cannot read the word list " + error.message()};
}

} // namespace

FindOutcome findPhrases(const PhraseOptions& options, const std::string& listPath,
                        const Commonness* commonness, FoundSink* sink) {
    RecordReader list;
    if (auto error = list.open(listPath))
        return unreadable(*error);
    return findPhrases(options, list, commonness, sink);
}

FindOutcome findPhrases(const PhraseOptions& options, RecordReader& list, const Commonness* commonness,
                        FoundSink* sink) {
    if (options.maxWords < 1 || options.maxWords > PhraseOptions::kMostWords)
        return FindOutcome::badInput("the number of words must be from 1 to " +
                                     std::to_string(PhraseOptions::kMostWords) + ", not " +
                                     std::to_string(options.maxWords));
    const TypedLetters typed = TypedLetters::read(options.phrase, U"", "phrase");
    if (!typed.refusal.empty())
        return FindOutcome::badInput(typed.refusal);
    if (typed.letters.empty())
        return FindOutcome::badInput("the phrase has no letters");
    if (typed.letters.size() > PhraseOptions::kLongestPhrase)
        return FindOutcome::badInput("the phrase has " + std::to_string(typed.letters.size()) +
                                     " letters; at most " + std::to_string(PhraseOptions::kLongestPhrase) +
                                     " are anagrammed");

    const LetterMap letters(typed.letters);
    std::vector<std::uint32_t> counts(letters.size(), 0);
    for (const char32_t c : typed.letters)
        ++counts[letters.codeOf(c)];
    const std::optional<CountLayout> layout = CountLayout::forPhrase(counts);
    if (!layout) // only a phrase of far more kinds of letter than Latin-1 has could need more room
        return FindOutcome::badInput("the phrase has too many different letters to anagram");

    // Only ranking asks how common the words are.
    const bool ranking = sink && options.order == PhraseOptions::Order::Ranked;
    AnagramClasses classes;
    if (auto error = classes.read(list, options, letters, *layout, counts, ranking ? commonness : nullptr))
        return {FindOutcome::Status::Unreadable, 0, std::move(*error)};
    const std::size_t included = classes.included().size();
    if (!classes.includedFit() || included > options.maxWords)
        return {};

    PhraseLines lines(classes, sink, options.limit);
    if (classes.lettersLeft() == 0) {
        lines.expand(nullptr, 0); // the included words make the whole phrase
    } else {
        PhraseEnumerator enumerator(classes, *layout, letters.size(), options.minLength);
        RankedPass ranked(classes, enumerator, lines, options.group,
                          static_cast<std::uint32_t>(typed.letters.size()), options.rankingBudget);
        ListPass inListOrder(classes, lines, options.group);
        for (std::size_t words = 1; words + included <= options.maxWords; ++words)
            if (!(ranking ? ranked.run(words) : enumerator.enumerate(words, inListOrder)))
                break;
    }
    FindOutcome outcome;
    outcome.status = lines.stoppedBySink() ? FindOutcome::Status::Stopped : FindOutcome::Status::Done;
    outcome.count = lines.lines();
    return outcome;
}

} // namespace tovrel
