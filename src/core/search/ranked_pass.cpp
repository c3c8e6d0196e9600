#include "core/search/ranked_pass.h"

#include "core/search/anagram_classes.h"
#include "core/search/key_table.h"
#include "core/search/phrase_enumerator.h"
#include "core/search/phrase_lines.h"
#include "core/search/phrase_options.h"
#include "core/search/rank_keys.h"

#include <algorithm>
#include <array>

namespace tovrel {
namespace {

using Parts = std::array<PhraseLines::Part, PhraseLines::kMostParts>;

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
        : classes_(classes), keys_(keys), group_(group) {
        for (std::size_t i = 0; i < classes.included().size(); ++i) {
            levels_[i] = classes.includedLevels()[i];
            includedShortest_ = std::min(includedShortest_, classes.includedLengths()[i]);
        }
        included_ = classes.included().size();
    }

    // Calls take(units, key) for each record, in the same order each time;
    // stops when it returns false.
    template <typename Take> bool each(const std::uint32_t* combo, std::size_t count, Take&& take) {
        combo_ = combo;
        count_ = count;
        if (group_) // ranked by its commonest entries: each class's first group
            return take(combo, key(combo, [&](std::uint32_t c) { return classes_.groupsBegin(c); }));
        return choose(0, take);
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
    // The key of a record whose i-th word is of the group groupOf(units[i]).
    template <typename GroupOf> std::uint64_t key(const std::uint32_t* units, GroupOf groupOf) {
        std::uint32_t shortest = includedShortest_;
        for (std::size_t i = 0; i < count_; ++i) {
            const std::size_t g = groupOf(units[i]);
            levels_[included_ + i] = classes_.groupLevel(g);
            shortest = std::min(shortest, classes_.groupLength(g));
        }
        return keys_.key(levels_.data(), shortest);
    }

    // A group for each class from position i on; a class that repeats takes groups in rising order.
    template <typename Take> bool choose(std::size_t i, Take& take) {
        if (i == count_)
            return take(units_.data(), key(units_.data(), [](std::uint32_t g) { return g; }));
        std::size_t first = classes_.groupsBegin(combo_[i]);
        if (i > 0 && combo_[i] == combo_[i - 1])
            first = units_[i - 1];
        for (std::size_t g = first; g < classes_.groupsEnd(combo_[i]); ++g) {
            units_[i] = static_cast<std::uint32_t>(g);
            if (!choose(i + 1, take))
                return false;
        }
        return true;
    }

    const AnagramClasses& classes_;
    const RankKeys& keys_;
    bool group_;
    std::size_t included_ = 0;
    std::uint32_t includedShortest_ = UINT32_MAX;
    std::array<std::uint8_t, PhraseOptions::kMostWords> levels_{}; // the included words first
    std::array<std::uint32_t, PhraseLines::kMostParts> units_{};
    const std::uint32_t* combo_ = nullptr;
    std::size_t count_ = 0;
};

} // namespace

RankedPass::RankedPass(const AnagramClasses& classes, PhraseEnumerator& enumerator, PhraseLines& lines,
                       bool group, std::uint32_t longest, std::size_t budget)
    : classes_(classes), enumerator_(enumerator), lines_(lines), group_(group), longest_(longest),
      budget_(budget) {
    levels_ = classes.includedLevels();
    for (std::size_t c = 0; c < classes.size(); ++c)
        for (std::size_t g = classes.groupsBegin(c); g < classes.groupsEnd(c); ++g)
            levels_.push_back(classes.groupLevel(g));
}

bool RankedPass::run(std::size_t words) {
    const RankKeys keys(levels_, classes_.included().size() + words, longest_);
    Records records(classes_, keys, group_);
    KeyTable table(keys.size());
    auto counting = visitWith([&](const std::uint32_t* combo, std::size_t count) {
        return records.each(combo, count, [&](const std::uint32_t*, std::uint64_t key) {
            ++table[key];
            return true;
        });
    });
    enumerator_.enumerate(words, counting);

    Parts parts;
    auto handOut = [&](const std::uint32_t* units) {
        records.parts(units, words, parts.data());
        return group_ ? lines_.group(parts.data(), words) : lines_.expand(parts.data(), words);
    };
    const std::vector<std::uint64_t> met = table.keysMet();
    const std::size_t budget = std::max<std::size_t>(1, budget_ / (sizeof(std::uint32_t) * words));
    for (std::size_t first = 0; first < met.size();) {
        if (table[met[first]] > budget) {
            const std::uint64_t only = met[first++];
            auto streaming = visitWith([&](const std::uint32_t* combo, std::size_t count) {
                return records.each(combo, count, [&](const std::uint32_t* units, std::uint64_t key) {
                    return key != only || handOut(units);
                });
            });
            if (!enumerator_.enumerate(words, streaming))
                return false;
            continue;
        }
        // The next keys whose records fit the budget together; each key's
        // number becomes where its next record goes.
        std::size_t end = first;
        std::uint64_t held = 0;
        for (; end < met.size() && held + table[met[end]] <= budget; ++end) {
            const std::uint64_t records = table[met[end]];
            table[met[end]] = held;
            held += records;
        }
        if (placedSize_ < held * words) {
            placed_.reset(new std::uint32_t[held * words]);
            placedSize_ = held * words;
        }
        const std::uint64_t lowest = met[first], highest = met[end - 1];
        auto placing = visitWith([&](const std::uint32_t* combo, std::size_t count) {
            return records.each(combo, count, [&](const std::uint32_t* units, std::uint64_t key) {
                if (key >= lowest && key <= highest) {
                    std::uint32_t* to = placed_.get() + table[key]++ * words;
                    for (std::size_t i = 0; i < words; ++i)
                        to[i] = units[i];
                }
                return true;
            });
        });
        enumerator_.enumerate(words, placing);
        for (std::uint64_t record = 0; record < held; ++record)
            if (!handOut(placed_.get() + record * words))
                return false;
        first = end;
    }
    return true;
}

} // namespace tovrel
