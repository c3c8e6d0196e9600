#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tovrel {

class AnagramClasses;
class CountLayout;

// Takes the multisets of anagram classes that a PhraseEnumerator finds.
class ClassesVisitor {
public:
    virtual ~ClassesVisitor() = default;
    // The classes of one multiset in rising order (a class twice when its
    // letters make two words). False stops the enumeration.
    virtual bool visit(const std::uint32_t* classes, std::size_t count) = 0;
};

// Finds every multiset of a given number of anagram classes whose letters
// together make what the included words leave of the phrase, each multiset
// once. A depth-first search: at each step the next word must hold the rarest
// letter still left (the letter fewest classes hold), so every branch is
// spent on words that some result needs; among the classes holding a step's
// letter, one picked later in the multiset is never numbered lower, which
// makes each multiset come out once. The last word is looked up by its
// letters instead of searched for.
class PhraseEnumerator {
public:
    PhraseEnumerator(const AnagramClasses& classes, const CountLayout& layout, std::size_t alphabetSize,
                     std::size_t minLength);
    ~PhraseEnumerator();
    PhraseEnumerator(const PhraseEnumerator&) = delete;
    PhraseEnumerator& operator=(const PhraseEnumerator&) = delete;

    // Hands every multiset of exactly `words` classes to `visitor`, in the same
    // order each time; false when the visitor stopped it.
    bool enumerate(std::size_t words, ClassesVisitor& visitor);

    class Engine;

private:
    std::unique_ptr<Engine> engine_;
};

} // namespace tovrel
