#include "core/search/tiles_search.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <array>
#include <functional>
#include <vector>

namespace tovrel {
namespace {

struct Match {
    std::size_t offset; // of its text among the matches'
    std::uint32_t size;
    std::uint32_t letters;
    std::uint8_t level;
    bool added; // one of the user's added words
};

// Whether a word fits the rack, counting its letters; a letter the rack
// lacks takes a blank, and so does each one more than it has.
class Rack {
public:
    Rack(const LetterMap& letters, const std::u32string& tiles) : letters_(letters) {
        for (const char32_t c : tiles) {
            if (c == U'?')
                ++blanks_;
            else
                ++tiles_[letters.codeOf(c)];
        }
        // Most racks have few letters, each a few times: the tiles left of
        // each letter then fit a 4-bit field of one word, 8 more than there
        // are, so that the field's top bit says whether one is left.
        packed_ =
            letters.size() <= 16 && std::all_of(tiles_.begin(), tiles_.end(), [](auto n) { return n < 8; });
        if (packed_)
            for (std::size_t code = 0; code < letters.size(); ++code) {
                one_[code] = std::uint64_t{1} << (4 * code);
                top_[code] = std::uint64_t{8} << (4 * code);
                full_ += (8 + tiles_[code]) * one_[code];
            }
    }

    bool fits(std::string_view entry, bool ascii, std::uint32_t& count) {
        count = 0;
        std::size_t blanksUsed = 0;
        if (packed_) {
            std::uint64_t left = full_;
            return letters_.eachLetter(entry, ascii, [&](std::uint8_t code) {
                ++count;
                left -= one_[code]; // a letter of no field (kOtherLetter) takes nothing, so a blank
                if (left & top_[code])
                    return true;
                left += one_[code];
                return ++blanksUsed <= blanks_;
            });
        }
        ++record_;
        return letters_.eachLetter(entry, ascii, [&](std::uint8_t code) {
            ++count;
            if (code != LetterMap::kOtherLetter && stamp_[code] != record_) {
                stamp_[code] = record_;
                used_[code] = 0;
            }
            return !((code == LetterMap::kOtherLetter || ++used_[code] > tiles_[code]) &&
                     ++blanksUsed > blanks_);
        });
    }

private:
    const LetterMap& letters_;
    std::array<std::size_t, 256> tiles_{}; // of each letter of the alphabet
    std::size_t blanks_ = 0;
    bool packed_ = false;
    std::array<std::uint64_t, 256> one_{}, top_{};
    std::uint64_t full_ = 0;
    // Otherwise the tiles used of a letter, good for the record its stamp names.
    std::array<std::size_t, 256> used_{}, stamp_{};
    std::size_t record_ = 0;
};

} // namespace

FindOutcome findTiles(const TilesOptions& options, const ListFiles& list, const Commonness* commonness,
                      FoundSink* sink) {
    FindOutcome outcome;
    std::optional<LetterMap> letters;
    std::optional<Rack> rack;
    const std::size_t minLength = std::max<std::size_t>(options.minLength, 1);
    Encoding encoding = Encoding::Latin1;
    // Room for many at once: untouched, it costs nothing, and it is never copied to grow.
    std::string text;
    text.reserve(std::size_t{1} << 20);
    std::vector<Match> matches;
    matches.reserve(std::size_t{1} << 16);
    const std::optional<FileError> error =
        list.read(options.reading.encoding, [&](RecordReader& file, std::size_t number, Encoding read) {
            if (number == 0) {
                encoding = read;
                const CharacterRules rules(read, options.reading.foldAccents);
                const TypedLetters typed = TypedLetters::read(options.tiles, U"?", "tiles", rules);
                if (!typed.refusal.empty())
                    outcome = FindOutcome::badInput(typed.refusal);
                else if (typed.letters.empty())
                    outcome = FindOutcome::badInput("there are no tiles");
                else if (!(letters = LetterMap::make(typed.letters, rules)))
                    outcome = FindOutcome::badInput("the tiles have more than " +
                                                    std::to_string(LetterMap::kLargestAlphabet) +
                                                    " different letters");
                if (outcome.status == FindOutcome::Status::BadInput)
                    return false;
                rack.emplace(*letters, typed.letters);
            }
            file.forEachRecordIn(encoding, [&](std::string_view entry, bool ascii) {
                std::uint32_t count = 0;
                if (entry.size() < minLength || !rack->fits(entry, ascii, count) || count < minLength)
                    return;
                matches.push_back({text.size(), static_cast<std::uint32_t>(entry.size()), count,
                                   Commonness::kUnknown, number > 0});
                text.append(entry);
            });
            outcome.addSkipped(file.skipped(), file.name());
            return true;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message());

    std::string_view all(text);
    auto textOf = [&](const Match& match) { return all.substr(match.offset, match.size); };
    // An entry the list holds twice is one word, the first: told by a table of
    // the words kept, by open addressing.
    std::size_t capacity = 16;
    while (capacity < 2 * matches.size())
        capacity *= 2;
    std::vector<std::uint32_t> kept(capacity, 0); // 1 + a word's place among those kept
    std::size_t keptCount = 0;
    for (const Match& match : matches) {
        const std::string_view word = textOf(match);
        for (std::size_t at = std::hash<std::string_view>{}(word) & (capacity - 1);;
             at = (at + 1) & (capacity - 1)) {
            if (kept[at] == 0) {
                kept[at] = static_cast<std::uint32_t>(++keptCount);
                matches[keptCount - 1] = match;
                break;
            }
            if (textOf(matches[kept[at] - 1]) == word)
                break;
        }
    }
    matches.resize(keptCount);
    outcome.count = matches.size();
    if (!sink)
        return outcome;
    if (commonness) {
        // The commonness file tells of the shipped list, not of the words a user added.
        std::vector<std::string_view> words;
        words.reserve(matches.size());
        for (const Match& match : matches) // the added words come last
            if (!match.added)
                words.push_back(textOf(match));
        std::vector<std::uint8_t> levels;
        if (auto error = commonness->levels(words, encoding, levels))
            return FindOutcome::unreadable("cannot read the commonness file " + error->message());
        for (std::size_t i = 0; i < words.size(); ++i)
            matches[i].level = levels[i];
    }
    std::vector<std::uint32_t> order(matches.size());
    for (std::uint32_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) {
        return matches[a].letters != matches[b].letters ? matches[a].letters > matches[b].letters
                                                        : matches[a].level < matches[b].level;
    });

    // Shown in UTF-8, with the padding after the last: the text itself where it is so already.
    std::string shown;
    const bool inUtf8 = encoding == Encoding::Latin1
                            ? isAscii(text)
                            : std::all_of(matches.begin(), matches.end(),
                                          [&](const Match& match) { return isValidUtf8(textOf(match)); });
    if (!inUtf8) {
        for (Match& match : matches) {
            const std::size_t start = shown.size();
            appendAsUtf8(textOf(match), encoding, shown);
            match.offset = start;
            match.size = static_cast<std::uint32_t>(shown.size() - start);
        }
        text.swap(shown);
    }
    text.append(kFoundTextPadding, '\0');
    all = text;
    outcome.count = 0;
    for (const std::uint32_t i : order) {
        const std::string_view entry = textOf(matches[i]);
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
