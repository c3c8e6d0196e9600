#include "core/search/phrase_search.h"

#include "core/search/anagram_classes.h"
#include "core/search/letter_map.h"
#include "core/search/phrase_enumerator.h"
#include "core/search/phrase_lines.h"
#include "core/search/ranked_pass.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"

#include <optional>
#include <variant>

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

// The phrase as letters of the search's alphabet, for a list read in one encoding.
struct Phrase {
    LetterMap letters;
    std::vector<std::uint32_t> counts; // of each letter of the alphabet
    CountLayout layout;
    std::size_t length;

    // Or the one line that refuses it.
    static std::variant<Phrase, std::string> read(const PhraseOptions& options, Encoding encoding) {
        const CharacterRules rules(encoding, options.reading.foldAccents);
        const TypedLetters typed = TypedLetters::read(options.phrase, U"", "phrase", rules);
        if (!typed.refusal.empty())
            return typed.refusal;
        if (typed.letters.empty())
            return "the phrase has no letters";
        if (typed.letters.size() > PhraseOptions::kLongestPhrase)
            return "the phrase has " + std::to_string(typed.letters.size()) + " letters; at most " +
                   std::to_string(PhraseOptions::kLongestPhrase) + " are anagrammed";
        // A phrase short enough has few enough kinds of letter for both.
        std::optional<LetterMap> letters = LetterMap::make(typed.letters, rules);
        std::vector<std::uint32_t> counts(letters ? letters->size() : 0, 0);
        for (const char32_t c : typed.letters)
            ++counts[letters->codeOf(c)];
        std::optional<CountLayout> layout = CountLayout::forPhrase(counts);
        if (!letters || !layout)
            return "the phrase has too many different letters to anagram";
        return Phrase{std::move(*letters), std::move(counts), std::move(*layout), typed.letters.size()};
    }
};

} // namespace

FindOutcome findPhrases(const PhraseOptions& options, const ListFiles& list, const Commonness* commonness,
                        FoundSink* sink) {
    if (options.maxWords < 1 || options.maxWords > PhraseOptions::kMostWords)
        return FindOutcome::badInput("the number of words must be from 1 to " +
                                     std::to_string(PhraseOptions::kMostWords) + ", not " +
                                     std::to_string(options.maxWords));
    FindOutcome outcome;
    std::optional<Phrase> phrase;
    AnagramClasses classes;
    const std::optional<FileError> error =
        list.read(options.reading.encoding, [&](RecordReader& file, std::size_t number, Encoding encoding) {
            if (number == 0) {
                auto read = Phrase::read(options, encoding);
                if (auto* refusal = std::get_if<std::string>(&read)) {
                    outcome = FindOutcome::badInput(std::move(*refusal));
                    return false;
                }
                phrase = std::move(std::get<Phrase>(read));
                classes.start(options, phrase->letters, phrase->layout, phrase->counts, encoding);
            }
            classes.read(file, number > 0);
            outcome.addSkipped(file.skipped(), file.name());
            return true;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message());

    // Only ranking asks how common the words are.
    const bool ranking = sink && options.order != PhraseOptions::Order::List;
    auto ranked = [&](std::size_t words) {
        return ranking && (options.order == PhraseOptions::Order::Ranked ||
                           words <= PhraseOptions::kMostWordsRankedFirst);
    };
    if (auto error = classes.finish(ranking ? commonness : nullptr))
        return FindOutcome::unreadable(std::move(*error));
    const std::size_t included = classes.included().size();
    if (!classes.includedFit() || included > options.maxWords)
        return outcome;

    PhraseLines lines(classes, sink, options.limit);
    if (classes.lettersLeft() == 0) {
        lines.expand(nullptr, 0); // the included words make the whole phrase
    } else {
        PhraseEnumerator enumerator(classes, phrase->layout, phrase->letters.size(), options.minLength);
        RankedPass rankedPass(classes, enumerator, lines, options.group,
                              static_cast<std::uint32_t>(phrase->length), options.rankingBudget);
        ListPass inListOrder(classes, lines, options.group);
        for (std::size_t words = 1; words + included <= options.maxWords; ++words)
            if (!(ranked(words + included) ? rankedPass.run(words)
                                           : enumerator.enumerate(words, inListOrder)))
                break;
    }
    lines.flush();
    outcome.status = lines.stoppedBySink() ? FindOutcome::Status::Stopped : FindOutcome::Status::Done;
    outcome.count = lines.lines();
    return outcome;
}

} // namespace tovrel
