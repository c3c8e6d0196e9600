#include "core/search/ranked_pass.h"

#include "core/search/anagram_classes.h"
#include "core/search/key_table.h"
#include "core/search/phrase_enumerator.h"
#include "core/search/phrase_lines.h"
#include "core/search/phrase_options.h"
#include "core/search/rank_keys.h"
#include "core/search/reserved_memory.h"

#include <algorithm>
#include <array>

namespace tovrel {
namespace {

using Parts = std::array<PhraseLines::Part, PhraseLines::kMostParts>;
using Units = std::array<std::uint32_t, PhraseLines::kMostParts>;

template <typename Visit> class VisitWith : public ClassesVisitor {
public:
    explicit VisitWith(Visit visit) : visit_(std::move(visit)) {}
    bool visit(const std::uint32_t* classes, std::size_t count) override { return visit_(classes, count); }

private:
    Visit visit_;
};
template <typename Visit> VisitWith<Visit> visitWith(Visit visit) {
    return VisitWith<Visit>(std::move(visit));
}

// The records of one multiset of classes, each as its units (classes or
// groups, in rising order) and its rank key.
class Records {
public:
    Records(const AnagramClasses& classes, const RankKeys& keys, bool group)
        : classes_(classes), keys_(keys), group_(group), included_(classes.included().size()) {
        for (std::size_t i = 0; i < included_; ++i) {
            ranks_[i] = keys.rank(classes.includedLevels()[i]);
            includedShortest_ = std::min(includedShortest_, classes.includedLengths()[i]);
        }
        for (std::size_t g = 0; g < classes.groups(); ++g) {
            groupRank_.push_back(keys.rank(classes.groupLevel(g)));
            groupEntries_.push_back(classes.groupEntriesEnd(g) - classes.groupEntriesBegin(g));
        }
    }

    // Calls take(units, key) for each record, in the same order each time;
    // stops when it returns false.
    template <typename Take> bool each(const std::uint32_t* combo, std::size_t count, Take&& take) {
        combo_ = combo;
        count_ = count;
        shortest_ = includedShortest_;
        for (std::size_t i = 0; i < count; ++i)
            shortest_ = std::min(shortest_, classes_.length(combo[i]));
        if (group_) { // ranked by its commonest entries: each class's first group
            for (std::size_t i = 0; i < count; ++i)
                ranks_[included_ + i] = groupRank_[classes_.groupsBegin(combo[i])];
            return take(combo, keys_.key(ranks_.data(), shortest_, true));
        }
        return choose(0, true, take);
    }

    // The entries of a record's units.
    void parts(const std::uint32_t* units, std::size_t count, PhraseLines::Part* parts) const {
        for (std::size_t i = 0; i < count; ++i)
            parts[i] = group_
                           ? PhraseLines::Part{classes_.entriesBegin(units[i]), classes_.entriesEnd(units[i])}
                           : PhraseLines::Part{classes_.groupEntriesBegin(units[i]),
                                               classes_.groupEntriesEnd(units[i])};
    }

private:
    // A group for each class from position i on; a class that repeats takes groups in rising order.
    // `single`: each group chosen so far is one entry.
    template <typename Take> bool choose(std::size_t i, bool single, Take& take) {
        if (i == count_)
            return take(units_.data(), keys_.key(ranks_.data(), shortest_, single));
        std::size_t first = classes_.groupsBegin(combo_[i]);
        if (i > 0 && combo_[i] == combo_[i - 1])
            first = units_[i - 1];
        for (std::size_t g = first; g < classes_.groupsEnd(combo_[i]); ++g) {
            units_[i] = static_cast<std::uint32_t>(g);
            ranks_[included_ + i] = groupRank_[g];
            if (!choose(i + 1, single && groupEntries_[g] == 1, take))
                return false;
        }
        return true;
    }

    const AnagramClasses& classes_;
    const RankKeys& keys_;
    bool group_;
    std::size_t included_;
    std::uint32_t includedShortest_ = UINT32_MAX;
    std::vector<std::uint8_t> groupRank_;
    std::vector<std::size_t> groupEntries_;
    std::array<std::uint8_t, PhraseOptions::kMostWords> ranks_{}; // the included words first
    Units units_{};
    const std::uint32_t* combo_ = nullptr;
    std::size_t count_ = 0;
    std::uint32_t shortest_ = 0;
};

// What one number of words needs for ranking.
struct Pass {
    const AnagramClasses& classes;
    PhraseEnumerator& enumerator;
    PhraseLines& lines;
    bool group;
    std::size_t words;
    Records& records;
    ReservedMemory& memory;

    bool handOut(const std::uint32_t* units) const {
        Parts parts;
        records.parts(units, words, parts.data());
        return group ? lines.group(parts.data(), words) : lines.expand(parts.data(), words);
    }
};

// The records of one key, in blocks that double in size from a few up to a
// page or two, each taken from the top of the reserved memory.
struct Block {
    Block* next;
    std::size_t used; // set when the block is full, or once every record is in
};
template <typename Record> Record* recordsOf(Block* block) {
    return reinterpret_cast<Record*>(block + 1);
}
template <typename Record> struct KeyRecords {
    Record* at = nullptr; // where the next record goes
    Record* end = nullptr;
    Block* first = nullptr;
    Block* last = nullptr;
    unsigned blocks = 0;
};

enum class Held {
    Done,
    Stopped,
    NoRoom,    // the records would pass the budget
    TooNarrow, // more multisets than a record of this size can number
};

// Every record held at once, from one enumeration: each multiset of classes
// at the bottom of the memory, and for each key the records that have it, a
// record being, `bits` for each class, which of its groups it takes, and
// above them the number of its multiset. Four bytes a record where they can
// number every multiset, else eight.
template <typename Record> Held holdAll(const Pass& pass, unsigned bits) {
    const unsigned choiceBits = pass.group ? 0 : bits * static_cast<unsigned>(pass.words);
    if (choiceBits >= 8 * sizeof(Record))
        return Held::TooNarrow;
    const std::uint64_t mostCombos = std::uint64_t{1}
                                     << std::min(32u, 8 * unsigned{sizeof(Record)} - choiceBits);
    pass.memory.giveBack();
    const std::size_t stride = (pass.words + 1) & ~std::size_t{1}; // as the memory rounds to 8 bytes
    const std::uint32_t* combos = nullptr;
    std::uint64_t held = 0;
    KeyTable listOf; // 1 + the index of the key's records
    std::vector<KeyRecords<Record>> lists;
    Held status = Held::Done;
    auto holding = visitWith([&](const std::uint32_t* combo, std::size_t count) {
        auto* stored = static_cast<std::uint32_t*>(pass.memory.takeFromBottom(count * sizeof(std::uint32_t)));
        if (!stored || held == mostCombos) {
            status = stored ? Held::TooNarrow : Held::NoRoom;
            return false;
        }
        for (std::size_t i = 0; i < count; ++i)
            stored[i] = combo[i];
        if (!combos)
            combos = stored;
        const Record number = static_cast<Record>(held++ << choiceBits);
        return pass.records.each(combo, count, [&](const std::uint32_t* units, std::uint64_t key) {
            Record record = number;
            if (!pass.group)
                for (std::size_t i = 0; i < count; ++i)
                    record |= static_cast<Record>(units[i] - pass.classes.groupsBegin(combo[i]))
                              << (i * bits);
            std::uint64_t& index = listOf[key];
            if (index == 0) {
                lists.emplace_back();
                index = lists.size();
            }
            KeyRecords<Record>& list = lists[index - 1];
            if (list.at == list.end) {
                const std::size_t size =
                    std::min<std::size_t>(std::size_t{16} << std::min(list.blocks, 9u), 8192);
                auto* block =
                    static_cast<Block*>(pass.memory.takeFromTop(sizeof(Block) + size * sizeof(Record)));
                if (!block) {
                    status = Held::NoRoom;
                    return false;
                }
                *block = {nullptr, 0};
                if (list.last) {
                    list.last->used = static_cast<std::size_t>(list.at - recordsOf<Record>(list.last));
                    list.last->next = block;
                } else {
                    list.first = block;
                }
                list.last = block;
                list.at = recordsOf<Record>(block);
                list.end = list.at + size;
                ++list.blocks;
            }
            *list.at++ = record;
            return true;
        });
    });
    pass.enumerator.enumerate(pass.words, holding);
    if (status != Held::Done)
        return status;
    for (KeyRecords<Record>& list : lists)
        list.last->used = static_cast<std::size_t>(list.at - recordsOf<Record>(list.last));

    // The records of a key make one line each or more (see RankKeys): those
    // of one line, most of them, are made straight from the first entries of
    // their groups. The multisets are looked up a few records ahead, as the
    // records of a key are spread over them.
    constexpr std::size_t kAhead = 8;
    const Record mask = static_cast<Record>((Record{1} << bits) - 1);
    Units units;
    for (const std::uint64_t key : listOf.keysMet()) {
        const bool single = !pass.group && RankKeys::single(key);
        for (Block* block = lists[listOf[key] - 1].first; block; block = block->next) {
            const Record* records = recordsOf<Record>(block);
            for (std::size_t r = 0; r < block->used; ++r) {
                if (r + kAhead < block->used)
                    __builtin_prefetch(combos + (records[r + kAhead] >> choiceBits) * stride);
                const Record record = records[r];
                const std::uint32_t* combo = combos + (record >> choiceBits) * stride;
                for (std::size_t i = 0; i < pass.words; ++i)
                    units[i] = pass.group ? combo[i]
                                          : static_cast<std::uint32_t>(pass.classes.groupsBegin(combo[i]) +
                                                                       ((record >> (i * bits)) & mask));
                if (single) {
                    std::uint32_t* line = pass.lines.next(pass.words);
                    if (!line)
                        return Held::Stopped;
                    for (std::size_t i = 0; i < pass.words; ++i)
                        line[i] = static_cast<std::uint32_t>(pass.classes.groupEntriesBegin(units[i]));
                    if (!pass.lines.made())
                        return Held::Stopped;
                } else if (!pass.handOut(units.data())) {
                    return Held::Stopped;
                }
            }
        }
    }
    return Held::Done;
}

// A range of keys at a time: a first enumeration counts the records of each
// key, the next ones place those of the keys whose records fit the memory
// together, as their units; a key with more is streamed on its own.
bool byKeyRanges(const Pass& pass) {
    const std::size_t words = pass.words;
    KeyTable table;
    auto counting = visitWith([&](const std::uint32_t* combo, std::size_t count) {
        return pass.records.each(combo, count, [&](const std::uint32_t*, std::uint64_t key) {
            ++table[key];
            return true;
        });
    });
    pass.enumerator.enumerate(words, counting);

    const std::vector<std::uint64_t> met = table.keysMet();
    const std::size_t room = pass.memory.capacity() / (sizeof(std::uint32_t) * words);
    for (std::size_t first = 0; first < met.size();) {
        if (table[met[first]] > room) {
            const std::uint64_t only = met[first++];
            auto streaming = visitWith([&](const std::uint32_t* combo, std::size_t count) {
                return pass.records.each(combo, count, [&](const std::uint32_t* units, std::uint64_t key) {
                    return key != only || pass.handOut(units);
                });
            });
            if (!pass.enumerator.enumerate(words, streaming))
                return false;
            continue;
        }
        // The next keys whose records fit together; each key's number becomes
        // where its next record goes.
        std::size_t end = first;
        std::uint64_t held = 0;
        for (; end < met.size() && held + table[met[end]] <= room; ++end) {
            const std::uint64_t records = table[met[end]];
            table[met[end]] = held;
            held += records;
        }
        pass.memory.giveBack();
        auto* placed =
            static_cast<std::uint32_t*>(pass.memory.takeFromBottom(held * words * sizeof(std::uint32_t)));
        const std::uint64_t lowest = met[first], highest = met[end - 1];
        auto placing = visitWith([&](const std::uint32_t* combo, std::size_t count) {
            return pass.records.each(combo, count, [&](const std::uint32_t* units, std::uint64_t key) {
                if (key >= lowest && key <= highest)
                    std::copy_n(units, words, placed + table[key]++ * words);
                return true;
            });
        });
        pass.enumerator.enumerate(words, placing);
        for (std::uint64_t record = 0; record < held; ++record)
            if (!pass.handOut(placed + record * words))
                return false;
        first = end;
    }
    return true;
}

} // namespace

RankedPass::RankedPass(const AnagramClasses& classes, PhraseEnumerator& enumerator, PhraseLines& lines,
                       bool group, std::uint32_t longest, std::size_t budget)
    : classes_(classes), enumerator_(enumerator), lines_(lines), group_(group), longest_(longest),
      budget_(budget) {
    levels_ = classes.includedLevels();
    std::size_t mostGroups = 1;
    for (std::size_t c = 0; c < classes.size(); ++c) {
        mostGroups = std::max(mostGroups, classes.groupsEnd(c) - classes.groupsBegin(c));
        for (std::size_t g = classes.groupsBegin(c); g < classes.groupsEnd(c); ++g)
            levels_.push_back(classes.groupLevel(g));
    }
    while ((std::size_t{1} << choiceBits_) < mostGroups)
        ++choiceBits_;
}

RankedPass::~RankedPass() = default;

bool RankedPass::run(std::size_t words) {
    const RankKeys keys(levels_, classes_.included().size() + words, longest_);
    Records records(classes_, keys, group_);
    if (!memory_)
        memory_ = std::make_unique<ReservedMemory>(budget_);
    const Pass pass{classes_, enumerator_, lines_, group_, words, records, *memory_};
    Held held = holdAll<std::uint32_t>(pass, choiceBits_);
    if (held == Held::TooNarrow)
        held = holdAll<std::uint64_t>(pass, choiceBits_);
    switch (held) {
    case Held::Done:
        return true;
    case Held::Stopped:
        return false;
    case Held::NoRoom:
    case Held::TooNarrow:
        break;
    }
    return byKeyRanges(pass);
}

} // namespace tovrel
