#include "core/search/anagram_classes.h"

#include "core/search/commonness.h"
#include "core/search/found.h"
#include "core/search/letter_map.h"
#include "core/search/phrase_options.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <numeric>

namespace tovrel {
namespace {

// The letters of an entry and their number, or nothing when it holds a
// letter the phrase lacks or more of one than the phrase has.
std::optional<CountLayout::Counts> lettersOf(std::string_view entry, bool ascii, const LetterMap& letters,
                                             const CountLayout& layout, std::uint32_t& count) {
    CountLayout::Counts key{};
    count = 0;
    const bool fits = letters.eachLetter(entry, ascii, [&](std::uint8_t code) {
        ++count;
        return code != LetterMap::kOtherLetter && layout.addOne(key, code);
    });
    return fits ? std::optional<CountLayout::Counts>(key) : std::nullopt;
}

} // namespace

void AnagramClasses::start(const PhraseOptions& options, const LetterMap& letters, const CountLayout& layout,
                           const std::vector<std::uint32_t>& phrase, Encoding encoding) {
    *this = AnagramClasses();
    options_ = &options;
    letters_ = &letters;
    layout_ = &layout;
    encoding_ = encoding;
    whole_ = layout.pack(phrase);
    lettersLeft_ = std::accumulate(phrase.begin(), phrase.end(), std::uint32_t{0});
    for (const std::u32string& word : options.include)
        included_.push_back(inListEncoding(word, encoding));
    for (const std::u32string& word : options.exclude)
        if (auto spelt = inListEncoding(word, encoding))
            excluded_.push_back(std::move(*spelt));
    includedInList_.assign(included_.size(), false);
    includedShipped_.assign(included_.size(), false);
}

void AnagramClasses::read(RecordReader& file, bool added) {
    const std::size_t minLength = std::max<std::size_t>(options_->minLength, 1);
    const Counts& guards = layout_->guards();
    file.forEachRecordIn(encoding_, [&](std::string_view record, bool ascii) {
        for (std::size_t i = 0; i < included_.size(); ++i)
            if (included_[i] && record == *included_[i]) {
                includedInList_[i] = true;
                includedShipped_[i] = includedShipped_[i] || !added;
            }
        if (record.size() < minLength)
            return;
        std::uint32_t count = 0;
        const std::optional<Counts> key = lettersOf(record, ascii, *letters_, *layout_, count);
        if (!key || count < minLength || !CountLayout::fits(*key, whole_, guards) ||
            (options_->noCapitals && letters_->hasCapital(record, ascii)) ||
            std::find(excluded_.begin(), excluded_.end(), record) != excluded_.end())
            return;
        candidates_.push_back({*key, text_.size(), record.size(), count,
                               static_cast<std::uint32_t>(candidates_.size()), Commonness::kUnknown, added});
        text_.append(record);
    });
}

std::optional<std::string> AnagramClasses::finish(const Commonness* commonness) {
    const Counts& guards = layout_->guards();
    left_ = whole_;
    for (std::size_t i = 0; i < included_.size() && includedFit_; ++i) {
        std::uint32_t count = 0;
        const std::optional<Counts> key =
            includedInList_[i] ? lettersOf(*included_[i], isAscii(*included_[i]), *letters_, *layout_, count)
                               : std::nullopt;
        includedFit_ = key && CountLayout::fits(*key, left_, guards) &&
                       std::find(excluded_.begin(), excluded_.end(), *included_[i]) == excluded_.end();
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
    for (std::size_t i = 0; i < included_.size(); ++i) {
        includedOffset.push_back(text_.size());
        text_.append(*included_[i]);
    }
    for (std::size_t i = 0; i < included_.size(); ++i)
        includedText_.push_back(std::string_view(text_).substr(includedOffset[i], included_[i]->size()));

    // The commonness index tells of the shipped list only: the user's added words are the rarest.
    std::vector<std::string_view> words;
    std::vector<std::uint8_t*> levelOf;
    includedLevel_.assign(included_.size(), Commonness::kUnknown);
    for (std::size_t i = 0; i < included_.size(); ++i)
        if (includedShipped_[i]) {
            words.push_back(includedText_[i]);
            levelOf.push_back(&includedLevel_[i]);
        }
    for (Candidate& candidate : candidates_)
        if (!candidate.added) {
            words.push_back(std::string_view(text_).substr(candidate.offset, candidate.size));
            levelOf.push_back(&candidate.level);
        }
    if (commonness) {
        std::vector<std::uint8_t> levels;
        if (auto error = commonness->levels(words, encoding_, levels))
            return "cannot read the commonness index " + error->message();
        for (std::size_t i = 0; i < levels.size(); ++i)
            *levelOf[i] = levels[i];
    }
    build(candidates_);
    showInUtf8();
    return std::nullopt;
}

void AnagramClasses::build(std::vector<Candidate>& candidates) {
    const std::string_view text(text_);
    const Counts& guards = layout_->guards();
    auto textOf = [&](const Candidate& c) { return text.substr(c.offset, c.size); };
    candidates.erase(
        std::remove_if(candidates.begin(), candidates.end(),
                       [&](const Candidate& c) { return !CountLayout::fits(c.key, left_, guards); }),
        candidates.end());
    // Same letters together; the same entry twice in the list is one entry, the first.
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

void AnagramClasses::showInUtf8() {
    std::vector<std::size_t> ends;
    for (const std::vector<std::string_view>* texts : {&entryText_, &includedText_})
        for (const std::string_view text : *texts) {
            appendAsUtf8(text, encoding_, shown_);
            ends.push_back(shown_.size());
        }
    shown_.append(kFoundTextPadding, '\0');
    std::size_t start = 0, i = 0;
    for (std::vector<std::string_view>* texts : {&entryText_, &includedText_})
        for (std::string_view& text : *texts) {
            text = std::string_view(shown_).substr(start, ends[i] - start);
            start = ends[i++];
        }
}

} // namespace tovrel
