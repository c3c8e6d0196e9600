#pragma once

#include "core/wordlist/latin1.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// One matcher per search mode, built once from the typed word (as code points)
// and then asked about each record (Latin-1 bytes). A record is tested by its
// length first, then by table look-ups; nothing is allocated per record.
// `kListsLowerCased` tells whether a match is shown lower-cased or as read.
namespace tovrel {

namespace detail {
inline unsigned char byte(char c) {
    return static_cast<unsigned char>(c);
}

// The bit of each letter "a" to "z"; 0 for every other byte.
struct LetterBits {
    std::uint32_t bit[256] = {};
    constexpr LetterBits() {
        for (int c = 'a'; c <= 'z'; ++c)
            bit[c] = std::uint32_t{1} << (c - 'a');
    }
    constexpr std::uint32_t operator[](unsigned char c) const { return bit[c]; }
};
inline constexpr LetterBits kLetterBit{};
} // namespace detail

// Exact anagrams. Blanks of the typed word are dropped and case is ignored;
// every other character must lie between "a" and "{".
class CompleteMatcher {
public:
    static constexpr bool kListsLowerCased = true;
    explicit CompleteMatcher(std::u32string_view typed);

    // The typed word holds a character outside "a" to "{" (after blanks are
    // dropped and case is ignored): the search refuses it.
    bool refused() const { return refused_; }

    bool matches(std::string_view record) const {
        if (refused_ || record.size() != length_)
            return false;
        // Equal lengths: the record is an anagram when no letter runs out.
        std::array<std::int32_t, kSlots> left = counts_;
        for (const char c : record) {
            const unsigned char lower = toLower(detail::byte(c));
            if (lower < 'a' || lower > '{' || --left[lower - 'a'] < 0)
                return false;
        }
        return true;
    }

private:
    static constexpr std::size_t kSlots = 27; // "a" to "z" and "{"
    std::array<std::int32_t, kSlots> counts_{};
    std::size_t length_ = 0;
    bool refused_ = false;
};

// The same set of letters "a" to "z", case-sensitive in the record: a capital
// there is not its letter. The typed word is lower-cased first.
class ExtendedMatcher {
public:
    static constexpr bool kListsLowerCased = false;
    explicit ExtendedMatcher(std::u32string_view typed);

    bool matches(std::string_view record) const {
        std::uint32_t letters = 0;
        for (const char c : record) {
            letters |= detail::kLetterBit[detail::byte(c)];
            if (letters & ~letters_)
                return false;
        }
        return letters == letters_;
    }

private:
    std::uint32_t letters_ = 0;
};

// Records no longer than the typed word whose every character, as read, occurs
// in the lower-cased typed word.
class PartialMatcher {
public:
    static constexpr bool kListsLowerCased = false;
    explicit PartialMatcher(std::u32string_view typed);

    bool matches(std::string_view record) const {
        if (record.size() > length_)
            return false;
        for (const char c : record)
            if (!member_[detail::byte(c)])
                return false;
        return true;
    }

private:
    std::array<bool, 256> member_{};
    std::size_t length_ = 0;
};

// Records at least as long as the typed word whose every character, lower-cased,
// occurs in the lower-cased typed word.
class ExtendedPartialMatcher {
public:
    static constexpr bool kListsLowerCased = true;
    explicit ExtendedPartialMatcher(std::u32string_view typed);

    bool matches(std::string_view record) const {
        if (record.size() < length_)
            return false;
        for (const char c : record)
            if (!memberAnyCase_[detail::byte(c)])
                return false;
        return true;
    }

private:
    std::array<bool, 256> memberAnyCase_{}; // indexed by the record's byte before lower-casing
    std::size_t length_ = 0;
};

} // namespace tovrel
