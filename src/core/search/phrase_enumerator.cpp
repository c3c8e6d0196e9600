#include "core/search/phrase_enumerator.h"

#include "core/search/anagram_classes.h"
#include "core/search/count_layout.h"
#include "core/search/phrase_options.h"

#include <algorithm>
#include <array>
#include <vector>

namespace tovrel {

class PhraseEnumerator::Engine {
public:
    virtual ~Engine() = default;
    virtual bool enumerate(std::size_t words, ClassesVisitor& visitor) = 0;
};

namespace {

// The search on letter counts packed into W words: 1 for most phrases, up to 4 for the longest.
template <std::size_t W> class PackedEngine : public PhraseEnumerator::Engine {
public:
    using Key = std::array<std::uint64_t, W>;
    static constexpr std::uint32_t kNone = UINT32_MAX;
    // The classes that hold one letter, side by side for a quick sweep.
    struct Holding {
        std::vector<Key> keys;
        std::vector<std::uint32_t> classes;
        std::vector<std::uint32_t> lengths;
    };

    PackedEngine(const AnagramClasses& classes, const CountLayout& layout, std::size_t alphabetSize,
                 std::size_t minLength)
        : minLength_(static_cast<std::uint32_t>(std::max<std::size_t>(minLength, 1))),
          longest_(classes.longest()), lettersLeft_(classes.lettersLeft()) {
        std::copy_n(layout.guards().begin(), W, guards_.begin());
        std::copy_n(classes.left().begin(), W, left_.begin());
        for (std::size_t c = 0; c < classes.size(); ++c) {
            Key key;
            std::copy_n(classes.key(c).begin(), W, key.begin());
            keys_.push_back(key);
            lengths_.push_back(classes.length(c));
        }
        containing_.resize(alphabetSize);
        for (std::size_t letter = 0; letter < alphabetSize; ++letter) {
            word_.push_back(layout.wordOf(letter));
            field_.push_back(layout.fieldOf(letter));
            Holding& holding = containing_[letter];
            for (std::uint32_t c = 0; c < keys_.size(); ++c)
                if (keys_[c][word_[letter]] & field_[letter]) {
                    holding.keys.push_back(keys_[c]);
                    holding.classes.push_back(c);
                    holding.lengths.push_back(lengths_[c]);
                }
            rarestFirst_.push_back(letter);
        }
        std::stable_sort(rarestFirst_.begin(), rarestFirst_.end(), [&](std::size_t a, std::size_t b) {
            return containing_[a].classes.size() < containing_[b].classes.size();
        });
        std::size_t capacity = 16;
        while (capacity < 2 * keys_.size())
            capacity *= 2;
        slotKeys_.assign(capacity, Key{});
        slotClasses_.assign(capacity, kNone);
        for (std::uint32_t c = 0; c < keys_.size(); ++c) {
            std::size_t slot = hash(keys_[c]);
            while (slotClasses_[slot] != kNone)
                slot = (slot + 1) & (capacity - 1);
            slotKeys_[slot] = keys_[c];
            slotClasses_[slot] = c;
        }
    }

    bool enumerate(std::size_t words, ClassesVisitor& visitor) override {
        if (words == 0 || words > PhraseOptions::kMostWords ||
            lettersLeft_ < std::uint64_t{minLength_} * words ||
            lettersLeft_ > std::uint64_t{longest_} * words)
            return true;
        words_ = words;
        visitor_ = &visitor;
        return descend(left_, lettersLeft_, 0);
    }

private:
    std::size_t hash(const Key& key) const {
        std::uint64_t mixed = 0;
        for (std::size_t i = 0; i < W; ++i)
            mixed = (mixed ^ key[i]) * 0x9E3779B97F4A7C15ull;
        return static_cast<std::size_t>(mixed ^ (mixed >> 29)) & (slotKeys_.size() - 1);
    }
    static bool same(const Key& a, const Key& b) {
        for (std::size_t i = 0; i < W; ++i)
            if (a[i] != b[i])
                return false;
        return true;
    }
    // The class with exactly these letters, or kNone. A free slot holds no
    // letters, which no class has.
    std::uint32_t find(const Key& key) const {
        for (std::size_t slot = hash(key);; slot = (slot + 1) & (slotKeys_.size() - 1)) {
            if (same(slotKeys_[slot], key))
                return slotClasses_[slot];
            if (same(slotKeys_[slot], Key{}))
                return kNone;
        }
    }
    bool fits(const Key& part, const Key& whole) const {
        for (std::size_t i = 0; i < W; ++i)
            if ((((whole[i] | guards_[i]) - part[i]) & guards_[i]) != guards_[i])
                return false;
        return true;
    }
    Key minus(const Key& whole, const Key& part) const {
        Key left;
        for (std::size_t i = 0; i < W; ++i)
            left[i] = ((whole[i] | guards_[i]) - part[i]) & ~guards_[i];
        return left;
    }
    bool has(std::uint32_t c, std::size_t letter) const {
        return (keys_[c][word_[letter]] & field_[letter]) != 0;
    }
    // A class picked for an earlier step's letter keeps every later class that holds that letter from being
    // numbered lower.
    bool allowed(std::uint32_t c, std::size_t depth) const {
        for (std::size_t i = 0; i < depth; ++i)
            if (c < path_[i] && has(c, pivot_[i]))
                return false;
        return true;
    }

    bool descend(const Key& left, std::uint32_t letters, std::size_t depth) {
        const std::size_t wordsLeft = words_ - depth;
        if (wordsLeft == 1) {
            const std::uint32_t c = find(left);
            if (c == kNone || !allowed(c, depth))
                return true;
            path_[depth] = c;
            return emit();
        }
        // This word leaves between minLength_ and longest_ letters to each word after it.
        const std::uint64_t restMost = std::uint64_t{longest_} * (wordsLeft - 1);
        const std::uint32_t least = letters > restMost ? static_cast<std::uint32_t>(letters - restMost) : 0;
        const std::uint32_t most = letters - minLength_ * static_cast<std::uint32_t>(wordsLeft - 1);
        // The rarest letter left (the one the fewest classes hold): some word of every result holds it.
        std::size_t pivot = 0;
        for (const std::size_t letter : rarestFirst_)
            if (left[word_[letter]] & field_[letter]) {
                pivot = letter;
                break;
            }
        std::uint32_t from = 0;
        for (std::size_t i = 0; i < depth; ++i)
            if (pivot_[i] == pivot)
                from = std::max(from, path_[i]);
        const Holding& holding = containing_[pivot];
        const std::uint32_t* const classes = holding.classes.data();
        const std::uint32_t* const lengths = holding.lengths.data();
        const std::size_t size = holding.classes.size();
        std::size_t first = 0, last = size; // the classes from `from` on of a fitting length, longest first
        for (std::size_t step = size; step > 0; step /= 2)
            while (first + step <= size &&
                   (classes[first + step - 1] < from || lengths[first + step - 1] > most))
                first += step;
        last = first;
        for (std::size_t step = size; step > 0; step /= 2)
            while (last + step <= size && lengths[last + step - 1] >= least)
                last += step;
        // Which of 64 classes fit, in one branch-free sweep, then the descent into those.
        for (std::size_t block = first; block < last; block += 64) {
            const std::size_t end = std::min(block + 64, last);
            std::uint64_t fitting = 0;
            for (std::size_t i = block; i < end; ++i)
                fitting |= std::uint64_t{fits(holding.keys[i], left)} << (i - block);
            for (; fitting; fitting &= fitting - 1) {
                const std::size_t i = block + static_cast<std::size_t>(__builtin_ctzll(fitting));
                if (!allowed(classes[i], depth))
                    continue;
                path_[depth] = classes[i];
                pivot_[depth] = pivot;
                if (!descend(minus(left, holding.keys[i]), letters - lengths[i], depth + 1))
                    return false;
            }
        }
        return true;
    }

    bool emit() {
        std::array<std::uint32_t, PhraseOptions::kMostWords> sorted;
        std::copy_n(path_.begin(), words_, sorted.begin());
        std::sort(sorted.begin(), sorted.begin() + static_cast<std::ptrdiff_t>(words_));
        return visitor_->visit(sorted.data(), words_);
    }

    std::uint32_t minLength_;
    std::uint32_t longest_;
    std::uint32_t lettersLeft_;
    Key guards_{};
    Key left_{};
    std::vector<Key> keys_;
    std::vector<std::uint32_t> lengths_;
    std::vector<std::size_t> word_;
    std::vector<std::uint64_t> field_;
    std::vector<Holding> containing_;      // the classes holding each letter, in rising order
    std::vector<std::size_t> rarestFirst_; // letters by how few classes hold them
    std::vector<Key> slotKeys_;            // the classes by their letters, by open addressing
    std::vector<std::uint32_t> slotClasses_;

    std::size_t words_ = 0;
    ClassesVisitor* visitor_ = nullptr;
    std::array<std::uint32_t, PhraseOptions::kMostWords> path_{};
    std::array<std::size_t, PhraseOptions::kMostWords> pivot_{};
};

} // namespace

PhraseEnumerator::PhraseEnumerator(const AnagramClasses& classes, const CountLayout& layout,
                                   std::size_t alphabetSize, std::size_t minLength) {
    if (layout.words() <= 1)
        engine_ = std::make_unique<PackedEngine<1>>(classes, layout, alphabetSize, minLength);
    else if (layout.words() == 2)
        engine_ = std::make_unique<PackedEngine<2>>(classes, layout, alphabetSize, minLength);
    else
        engine_ = std::make_unique<PackedEngine<4>>(classes, layout, alphabetSize, minLength);
}

PhraseEnumerator::~PhraseEnumerator() = default;

bool PhraseEnumerator::enumerate(std::size_t words, ClassesVisitor& visitor) {
    return engine_->enumerate(words, visitor);
}

} // namespace tovrel
