#include "core/search/tiles_search.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/record_reader.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tovrel {
namespace {

struct Match {
    std::size_t offset; // of its text among the matches'
    std::size_t size;
    std::uint32_t letters;
    std::uint8_t level;
};

} // namespace

FindOutcome findTiles(const TilesOptions& options, const std::string& listPath, const Commonness* commonness,
                      FoundSink* sink) {
    RecordReader list;
    if (auto error = list.open(listPath))
        return {FindOutcome::Status::Unreadable, 0, "cannot read the word list " + error->message()};
    return findTiles(options, list, commonness, sink);
}

FindOutcome findTiles(const TilesOptions& options, RecordReader& list, const Commonness* commonness,
                      FoundSink* sink) {
    const TypedLetters typed = TypedLetters::read(options.tiles, U"?", "tiles");
    if (!typed.refusal.empty())
        return FindOutcome::badInput(typed.refusal);
    if (typed.letters.empty())
        return FindOutcome::badInput("there are no tiles");

    const LetterMap letters(typed.letters);
    std::array<std::size_t, 256> rack{}; // tiles of each letter of the alphabet
    std::size_t blanks = 0;
    for (const char32_t c : typed.letters) {
        if (c == U'?')
            ++blanks;
        else
            ++rack[letters.codeOf(c)];
    }
    const std::size_t minLength = std::max<std::size_t>(options.minLength, 1);

    // A letter the rack lacks takes a blank, and so does each one more than it
    // has. A letter's count is good for the record its stamp names.
    std::string text;
    std::vector<Match> matches;
    std::array<std::size_t, 256> used{};
    std::array<std::size_t, 256> stamp{};
    std::size_t record = 0;
    list.forEachRecord([&](std::string_view entry) {
        ++record;
        if (entry.size() < minLength)
            return;
        std::uint32_t count = 0;
        std::size_t blanksUsed = 0;
        for (const char c : entry) {
            const std::uint8_t code = letters[static_cast<unsigned char>(c)];
            if (code == LetterMap::kNoLetter)
                continue;
            ++count;
            if (code != LetterMap::kOtherLetter && stamp[code] != record) {
                stamp[code] = record;
                used[code] = 0;
            }
            if ((code == LetterMap::kOtherLetter || ++used[code] > rack[code]) && ++blanksUsed > blanks)
                return;
        }
        if (count < minLength)
            return;
        matches.push_back({text.size(), entry.size(), count, Commonness::kUnknown});
        text.append(entry);
    });
    if (list.error())
        return {FindOutcome::Status::Unreadable, 0, "cannot read the word list " + list.error()->message()};

    std::vector<std::string_view> words;
    words.reserve(matches.size());
    for (const Match& match : matches)
        words.push_back(std::string_view(text).substr(match.offset, match.size));
    if (commonness && sink) {
        std::vector<std::uint8_t> levels;
        if (auto error = commonness->levels(words, levels))
            return {FindOutcome::Status::Unreadable, 0,
                    "cannot read the commonness file " + error->message()};
        for (std::size_t i = 0; i < matches.size(); ++i)
            matches[i].level = levels[i];
    }
    std::vector<std::size_t> order(matches.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return matches[a].letters != matches[b].letters ? matches[a].letters > matches[b].letters
                                                        : matches[a].level < matches[b].level;
    });

    FindOutcome outcome;
    outcome.count = matches.size();
    if (!sink)
        return outcome;
    outcome.count = 0;
    for (const std::size_t i : order) {
        const FoundWord word{&words[i], 1};
        if (!sink->add(&word, 1)) {
            outcome.status = FindOutcome::Status::Stopped;
            break;
        }
        ++outcome.count;
    }
    return outcome;
}

} // namespace tovrel
