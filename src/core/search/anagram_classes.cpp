#include "core/search/anagram_classes.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/phrase_options.h"
#include "core/wordlist/latin1.h"
#include "core/wordlist/record_reader.h"

#include <algorithm>
#include <numeric>

namespace tovrel {
namespace {

// The letters of an entry and their number, or nothing when it holds a
// letter the phrase lacks, more of one than the phrase has, or (when
// capitals are left out) a capital.
std::optional<CountLayout::Counts> lettersOf(std::string_view entry, const LetterMap& letters,
                                             const CountLayout& layout, bool noCapitals,
                                             std::uint32_t& count) {
    CountLayout::Counts key{};
    count = 0;
    for (const char c : entry) {
        const unsigned char byte = static_cast<unsigned char>(c);
        const std::uint8_t code = letters[byte];
        if (code == LetterMap::kNoLetter)
            continue;
        if (code == LetterMap::kOtherLetter || (noCapitals && toLower(byte) != byte) ||
            !layout.addOne(key, code))
            return std::nullopt;
        ++count;
    }
    return key;
}

} // namespace

std::optional<std::string> AnagramClasses::read(RecordReader& list, const PhraseOptions& options,
                                                const LetterMap& letters, const CountLayout& layout,
                                                const std::vector<std::uint32_t>& phrase,
                                                const Commonness* commonness) {
    *this = AnagramClasses();
    const Counts whole = layout.pack(phrase);
    const Counts& guards = layout.guards();
    const std::size_t minLength = std::max<std::size_t>(options.minLength, 1);

    std::vector<std::optional<std::string>> included;
    for (const std::u32string& word : options.include)
        included.push_back(inListEncoding(word));
    std::vector<std::string> excluded;
    for (const std::u32string& word : options.exclude)
        if (auto spelt = inListEncoding(word))
            excluded.push_back(std::move(*spelt));
    std::vector<bool> inList(included.size(), false);

    std::vector<Candidate> candidates;
    list.forEachRecord([&](std::string_view record) {
        for (std::size_t i = 0; i < included.size(); ++i)
            if (included[i] && record == *included[i])
                inList[i] = true;
        if (record.size() < minLength)
            return;
        std::uint32_t count = 0;
        const std::optional<Counts> key = lettersOf(record, letters, layout, options.noCapitals, count);
        if (!key || count < minLength || !CountLayout::fits(*key, whole, guards) ||
            std::find(excluded.begin(), excluded.end(), record) != excluded.end())
            return;
        candidates.push_back(
            {*key, text_.size(), record.size(), count, static_cast<std::uint32_t>(candidates.size()), 0});
        text_.append(record);
    });
    if (list.error())
        return "cannot read the word list " + list.error()->message();

    left_ = whole;
    lettersLeft_ = std::accumulate(phrase.begin(), phrase.end(), std::uint32_t{0});
    for (std::size_t i = 0; i < included.size() && includedFit_; ++i) {
        std::uint32_t count = 0;
        const std::optional<Counts> key =
            inList[i] ? lettersOf(*included[i], letters, layout, false, count) : std::nullopt;
        includedFit_ = key && CountLayout::fits(*key, left_, guards) &&
                       std::find(excluded.begin(), excluded.end(), *included[i]) == excluded.end();
        if (!includedFit_)
            break;
        left_ = CountLayout::minus(left_, *key, guards);
        lettersLeft_ -= count;
        includedLength_.push_back(count);
    }
    if (!includedFit_)
        return std::nullopt;
    // The included words' text goes behind the candidates' so that no view moves.
    std::vector<std::size_t> includedOffset;
    for (std::size_t i = 0; i < included.size(); ++i) {
        includedOffset.push_back(text_.size());
        text_.append(*included[i]);
    }
    for (std::size_t i = 0; i < included.size(); ++i)
        includedText_.push_back(std::string_view(text_).substr(includedOffset[i], included[i]->size()));

    std::vector<std::string_view> words = includedText_;
    words.reserve(included.size() + candidates.size());
    for (const Candidate& candidate : candidates)
        words.push_back(std::string_view(text_).substr(candidate.offset, candidate.size));
    std::vector<std::uint8_t> levels(words.size(), Commonness::kUnknown);
    if (commonness)
        if (auto error = commonness->levels(words, levels))
            return "cannot read the commonness file " + error->message();
    includedLevel_.assign(levels.begin(), levels.begin() + static_cast<std::ptrdiff_t>(included.size()));
    for (std::size_t i = 0; i < candidates.size(); ++i)
        candidates[i].level = levels[included.size() + i];
    build(candidates, layout);
    return std::nullopt;
}

void AnagramClasses::build(std::vector<Candidate>& candidates, const CountLayout& layout) {
    const std::string_view text(text_);
    auto textOf = [&](const Candidate& c) { return text.substr(c.offset, c.size); };
    candidates.erase(
        std::remove_if(candidates.begin(), candidates.end(),
                       [&](const Candidate& c) { return !CountLayout::fits(c.key, left_, layout.guards()); }),
        candidates.end());
    // Same letters together; the same entry twice in the list is one entry.
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.key != b.key)
            return a.key < b.key;
        const int order = textOf(a).compare(textOf(b));
        return order != 0 ? order < 0 : a.position < b.position;
    });
    candidates.erase(std::unique(candidates.begin(), candidates.end(),
                                 [&](const Candidate& a, const Candidate& b) {
                                     return a.key == b.key && textOf(a) == textOf(b);
                                 }),
                     candidates.end());

    struct Run {
        std::size_t begin, end;
        std::uint32_t firstPosition;
    };
    std::vector<Run> runs;
    for (std::size_t begin = 0; begin < candidates.size();) {
        std::size_t end = begin;
        std::uint32_t first = candidates[begin].position;
        while (end < candidates.size() && candidates[end].key == candidates[begin].key)
            first = std::min(first, candidates[end++].position);
        runs.push_back({begin, end, first});
        begin = end;
    }
    std::sort(runs.begin(), runs.end(), [&](const Run& a, const Run& b) {
        const std::uint32_t lengthA = candidates[a.begin].letters, lengthB = candidates[b.begin].letters;
        return lengthA != lengthB ? lengthA > lengthB : a.firstPosition < b.firstPosition;
    });

    key_.reserve(runs.size());
    length_.reserve(runs.size());
    entryBegin_.reserve(runs.size() + 1);
    groupBegin_.reserve(runs.size() + 1);
    entryText_.reserve(candidates.size());
    entryLevel_.reserve(candidates.size());
    entryBegin_.push_back(0);
    groupBegin_.push_back(0);
    for (const Run& run : runs) {
        std::sort(candidates.begin() + static_cast<std::ptrdiff_t>(run.begin),
                  candidates.begin() + static_cast<std::ptrdiff_t>(run.end),
                  [](const Candidate& a, const Candidate& b) {
                      return a.level != b.level ? a.level < b.level : a.position < b.position;
                  });
        const std::uint32_t c = static_cast<std::uint32_t>(key_.size());
        key_.push_back(candidates[run.begin].key);
        length_.push_back(candidates[run.begin].letters);
        for (std::size_t i = run.begin; i < run.end; ++i) {
            if (i == run.begin || candidates[i].level != candidates[i - 1].level) {
                groupEntry_.push_back(entryText_.size());
                groupClass_.push_back(c);
            }
            entryText_.push_back(textOf(candidates[i]));
            entryLevel_.push_back(candidates[i].level);
        }
        entryBegin_.push_back(entryText_.size());
        groupBegin_.push_back(groupEntry_.size());
    }
    groupEntry_.push_back(entryText_.size());
}

} // namespace tovrel
