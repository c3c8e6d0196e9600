#include "core/search/tiles_search.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <array>
#include <unordered_set>
#include <vector>

namespace tovrel {
namespace {

struct Match {
    std::size_t offset; // of its text among the matches'
    std::size_t size;
    std::uint32_t letters;
    std::uint8_t level;
    bool added; // one of the user's added words
};

} // namespace

FindOutcome findTiles(const TilesOptions& options, const ListFiles& list, const Commonness* commonness,
                      FoundSink* sink) {
    FindOutcome outcome;
    std::optional<LetterMap> letters;
    std::array<std::size_t, 256> rack{}; // tiles of each letter of the alphabet
    std::size_t blanks = 0;
    const std::size_t minLength = std::max<std::size_t>(options.minLength, 1);
    Encoding encoding = Encoding::Latin1;

    // A letter the rack lacks takes a blank, and so does each one more than it
    // has. A letter's count is good for the record its stamp names.
    std::string text;
    std::vector<Match> matches;
    std::array<std::size_t, 256> used{};
    std::array<std::size_t, 256> stamp{};
    std::size_t record = 0;
    const std::optional<FileError> error =
        list.read(options.reading.encoding, [&](RecordReader& file, std::size_t number, Encoding read) {
            if (number == 0) {
                encoding = read;
                const TypedLetters typed = TypedLetters::read(
                    options.tiles, U"?", "tiles", CharacterRules(read, options.reading.foldAccents));
                if (!typed.refusal.empty())
                    outcome = FindOutcome::badInput(typed.refusal);
                else if (typed.letters.empty())
                    outcome = FindOutcome::badInput("there are no tiles");
                else if (!(letters = LetterMap::make(typed.letters,
                                                     CharacterRules(read, options.reading.foldAccents))))
                    outcome = FindOutcome::badInput("the tiles have more than " +
                                                    std::to_string(LetterMap::kLargestAlphabet) +
                                                    " different letters");
                if (outcome.status == FindOutcome::Status::BadInput)
                    return false;
                for (const char32_t c : typed.letters) {
                    if (c == U'?')
                        ++blanks;
                    else
                        ++rack[letters->codeOf(c)];
                }
            }
            file.forEachRecord([&](std::string_view entry, bool ascii) {
                ++record;
                if (entry.size() < minLength)
                    return;
                std::uint32_t count = 0;
                std::size_t blanksUsed = 0;
                const bool fits = letters->eachLetter(entry, ascii, [&](std::uint8_t code) {
                    ++count;
                    if (code != LetterMap::kOtherLetter && stamp[code] != record) {
                        stamp[code] = record;
                        used[code] = 0;
                    }
                    return !((code == LetterMap::kOtherLetter || ++used[code] > rack[code]) &&
                             ++blanksUsed > blanks);
                });
                if (!fits || count < minLength)
                    return;
                matches.push_back({text.size(), entry.size(), count, Commonness::kUnknown, number > 0});
                text.append(entry);
            });
            outcome.addSkipped(file.skipped(), file.name());
            return true;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message());

    // An entry the list holds twice is one word, the first.
    std::unordered_set<std::string_view> seen;
    matches.erase(std::remove_if(
                      matches.begin(), matches.end(),
                      [&](const Match& match) {
                          return !seen.insert(std::string_view(text).substr(match.offset, match.size)).second;
                      }),
                  matches.end());
    outcome.count = matches.size();
    if (!sink)
        return outcome;
    if (commonness) {
        // The commonness file tells of the shipped list, not of the words a user added.
        std::vector<std::string_view> words;
        for (const Match& match : matches) // the added words come last
            if (!match.added)
                words.push_back(std::string_view(text).substr(match.offset, match.size));
        std::vector<std::uint8_t> levels;
        if (auto error = commonness->levels(words, encoding, levels))
            return FindOutcome::unreadable("cannot read the commonness file " + error->message());
        for (std::size_t i = 0; i < words.size(); ++i)
            matches[i].level = levels[i];
    }
    std::vector<std::size_t> order(matches.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return matches[a].letters != matches[b].letters ? matches[a].letters > matches[b].letters
                                                        : matches[a].level < matches[b].level;
    });

    // Shown in UTF-8, with the padding after the last.
    std::string shown;
    std::vector<std::size_t> ends;
    for (const Match& match : matches) {
        appendAsUtf8(std::string_view(text).substr(match.offset, match.size), encoding, shown);
        ends.push_back(shown.size());
    }
    shown.append(kFoundTextPadding, '\0');
    outcome.count = 0;
    for (const std::size_t i : order) {
        const std::size_t start = i == 0 ? 0 : ends[i - 1];
        const std::string_view entry(shown.data() + start, ends[i] - start);
        const FoundWord word{&entry, 1};
        if (!sink->add(&word, 1)) {
            outcome.status = FindOutcome::Status::Stopped;
            break;
        }
        ++outcome.count;
    }
    return outcome;
}

} // namespace tovrel
