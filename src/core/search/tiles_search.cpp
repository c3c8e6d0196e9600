#include "core/search/tiles_search.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <vector>

namespace tovrel {
namespace {

// Kept small: a fresh page of memory costs more than the work of many records.
struct Match {
    std::size_t offset; // of its text among the matches', which a line feed ends (no entry holds one)
    std::uint32_t letters;
    std::uint8_t level;
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
    std::size_t added = std::string::npos; // where the text of the user's added words starts
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
            } else if (number == 1) {
                added = text.size();
            }
            Rack& fitting = *rack;
            file.forEachRecordIn(encoding, [&](std::string_view entry, bool ascii) {
                std::uint32_t count = 0;
                if (entry.size() < minLength || !fitting.fits(entry, ascii, count) || count < minLength)
                    return;
                matches.push_back({text.size(), count, Commonness::kUnknown});
                text.append(entry).push_back('\n');
            });
            outcome.addSkipped(file.skipped(), file.name());
            return true;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message());

    auto textOf = [&](const Match& match) {
        const char* start = text.data() + match.offset;
        return std::string_view(
            start,
            static_cast<std::size_t>(
                static_cast<const char*>(std::memchr(start, '\n', text.size() - match.offset)) - start));
    };
    // An entry the list holds twice is one word, the first: told by a table
    // of the words kept, by open addressing.
    std::size_t capacity = 16;
    while (capacity < 2 * matches.size())
        capacity *= 2;
    std::vector<std::uint32_t> kept(capacity, 0); // 1 + a word's place among those kept
    std::size_t keptCount = 0;
    auto slotOf = [&](std::string_view word) -> std::uint32_t& {
        std::size_t at = std::hash<std::string_view>{}(word) & (capacity - 1);
        while (kept[at] != 0 && textOf(matches[kept[at] - 1]) != word)
            at = (at + 1) & (capacity - 1);
        return kept[at];
    };
    for (const Match& match : matches) {
        std::uint32_t& slot = slotOf(textOf(match));
        if (slot == 0) {
            slot = static_cast<std::uint32_t>(++keptCount);
            matches[keptCount - 1] = match;
        }
    }
    matches.resize(keptCount);

    outcome.count = matches.size();
    if (!sink)
        return outcome;
    if (commonness) {
        // The commonness index tells of the shipped list, not of the words a user added, which come last.
        const std::size_t shipped =
            static_cast<std::size_t>(std::find_if(matches.begin(), matches.end(),
                                                  [&](const Match& match) { return match.offset >= added; }) -
                                     matches.begin());
        std::vector<std::uint8_t> levels;
        if (auto error = commonness->levels(
                shipped, [&](std::size_t i) { return textOf(matches[i]); }, encoding, levels))
            return FindOutcome::unreadable("cannot read the commonness index " + error->message());
        for (std::size_t i = 0; i < shipped; ++i)
            matches[i].level = levels[i];
    }

    // Longest first, then commoner, then in list order, which is that of their text.
    std::sort(matches.begin(), matches.end(), [](const Match& a, const Match& b) {
        return a.letters != b.letters ? a.letters > b.letters
               : a.level != b.level   ? a.level < b.level
                                      : a.offset < b.offset;
    });
    // Shown in UTF-8: a word not so already is written so after the others,
    // and all are followed by the padding.
    for (Match& match : matches) {
        std::string_view entry = textOf(match);
        if (encoding == Encoding::Latin1 ? isAscii(entry) : isValidUtf8(entry))
            continue;
        const std::size_t start = text.size();
        text.reserve(start + 2 * entry.size() + 1); // read as Latin-1, each byte takes at most two
        entry = textOf(match);
        appendLatin1AsUtf8(entry, text);
        text.push_back('\n');
        match.offset = start;
    }
    text.append(kFoundTextPadding, '\0');
    outcome.count = 0;
    for (const Match& match : matches) {
        const std::string_view entry = textOf(match);
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
