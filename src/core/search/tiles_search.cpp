#include "core/search/tiles_search.h"

#include "core/search/commonness.h"
#include "core/search/letter_map.h"
#include "core/search/reserved_memory.h"
#include "core/search/typed_letters.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <memory_resource>
#include <utility>
#include <vector>

namespace tovrel {
namespace {

// A word that fits, by where its text lies among the matches' and how long it is.
struct Match {
    std::uint64_t offset;
    std::uint32_t length;  // in bytes; a record is far shorter than 4 GiB
    std::uint32_t letters; // what ranks it first
    std::uint8_t level;
};

// Memory for the matches, their text and their ranking, held for one search:
// in huge pages where the system gives them, since on a fresh 4 KiB page a
// search spends as long as on ranking a hundred words; beyond it, the heap.
class WorkingMemory {
public:
    WorkingMemory()
        : reserved_(kReserved),
          resource_(reserved_.takeFromBottom(reserved_.capacity()), reserved_.capacity()) {}
    std::pmr::memory_resource* resource() { return &resource_; }

private:
    static constexpr std::size_t kReserved = std::size_t{64} << 20;
    ReservedMemory reserved_;
    std::pmr::monotonic_buffer_resource resource_;
};

// Longest first, then commoner, then in list order, the order `matches` come
// in: a counting sort by level and then by length, each keeping the order
// before it, in time proportional to the matches.
void rank(std::pmr::vector<Match>& matches) {
    std::pmr::vector<Match> byLevel(matches.size(), matches.get_allocator());
    std::pmr::vector<std::size_t> starts(std::size_t{1} << 8, 0, matches.get_allocator());
    auto countingSort = [&](std::pmr::vector<Match>& from, std::pmr::vector<Match>& to, auto&& key) {
        std::fill(starts.begin(), starts.end(), 0);
        for (const Match& match : from)
            ++starts[key(match)];
        std::size_t at = 0;
        for (std::size_t& start : starts)
            at += std::exchange(start, at);
        for (const Match& match : from)
            to[starts[key(match)]++] = match;
    };
    countingSort(matches, byLevel, [](const Match& match) { return std::size_t{match.level}; });
    std::uint32_t most = 0;
    for (const Match& match : matches)
        most = std::max(most, match.letters);
    starts.resize(std::size_t{most} + 1);
    countingSort(byLevel, matches, [most](const Match& match) { return std::size_t{most - match.letters}; });
}

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
    WorkingMemory memory;
    // Room for many at once: untouched, it costs nothing, and it is seldom copied to grow.
    std::pmr::string text(memory.resource());
    text.reserve(std::size_t{1} << 20);
    std::pmr::vector<Match> matches(memory.resource());
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
                matches.push_back(
                    {text.size(), static_cast<std::uint32_t>(entry.size()), count, Commonness::kUnknown});
                text.append(entry);
            });
            outcome.addSkipped(file.skipped(), file.name());
            return true;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message());

    auto textOf = [&](const Match& match) {
        return std::string_view(text.data() + match.offset, match.length);
    };
    // An entry the list holds twice is one word, the first: told by a table
    // of the words kept, by open addressing.
    std::size_t capacity = 16;
    while (capacity < 2 * matches.size())
        capacity *= 2;
    // 1 + a word's place among those kept, 0 where free
    std::pmr::vector<std::uint32_t> kept(capacity, 0, memory.resource());
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

    rank(matches);
    // Shown in UTF-8: a word not so already is written so on its way out.
    text.append(kFoundTextPadding, '\0');
    std::string shown;
    outcome.count = 0;
    for (const Match& match : matches) {
        std::string_view entry = textOf(match);
        if (encoding == Encoding::Latin1 ? !isAscii(entry) : !isValidUtf8(entry)) {
            shown.clear();
            appendLatin1AsUtf8(entry, shown);
            const std::size_t length = shown.size();
            shown.append(kFoundTextPadding, '\0');
            entry = std::string_view(shown).substr(0, length);
        }
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
