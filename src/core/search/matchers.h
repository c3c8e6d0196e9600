#pragma once

#include "core/search/character_rules.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

// One matcher per search mode, built once from the typed word (as code points)
// and then asked about each record. A record comes either as bytes, one
// character each (a Latin-1 list, or a UTF-8 record that is all ASCII), or as
// decoded characters (CharacterRules::decodeRecord). A record is tested by its
// length first, then by table look-ups; nothing is allocated per record.
// `kListsLowerCased` tells whether a match is shown lower-cased or as read.
namespace tovrel {

namespace detail {
inline unsigned char byte(char c) {
    return static_cast<unsigned char>(c);
}

// The typed characters that compare, sorted and without repeats, for the few
// characters beyond a byte.
class CharacterSet {
public:
    void insert(char32_t c);
    // Index of the character in sorted order, or -1.
    std::ptrdiff_t find(char32_t c) const;
    bool contains(char32_t c) const { return find(c) >= 0; }
    const std::vector<char32_t>& characters() const { return sorted_; }

private:
    std::vector<char32_t> sorted_;
};

// The typed word's characters, as the two partial searches compare them: the
// word lower-cased (or folded) as a whole, each character looked up by table
// below 256 and in the sorted set beyond.
class TypedCharacters {
public:
    TypedCharacters(std::u32string_view typed, const CharacterRules& rules);

    bool contains(char32_t c) const { return c < 256 ? member_[c] : characters_.contains(c); }
    std::size_t length() const { return length_; }

private:
    CharacterSet characters_;
    std::array<bool, 256> member_{};
    std::size_t length_ = 0;
};
} // namespace detail

// Exact anagrams. Blanks of the typed word are dropped and case is ignored;
// every other character must be a letter (or "{", which has always had a slot).
class CompleteMatcher {
public:
    static constexpr bool kListsLowerCased = true;
    CompleteMatcher(std::u32string_view typed, const CharacterRules& rules = CharacterRules());

    // The typed word holds a character that is no letter (after blanks are
    // dropped and case is ignored): the search refuses it.
    bool refused() const { return refused_; }
    // Whether a record of this many characters, at least and at most, can match.
    bool mayFit(std::size_t fewest, std::size_t most) const { return fewest <= length_ && length_ <= most; }

    bool matches(std::string_view record) const {
        if (refused_ || record.size() != length_)
            return false;
        // Equal lengths: the record is an anagram when no character runs out.
        // Slot 0, for every character the typed word lacks, starts empty.
        std::int32_t* left = startCount();
        for (const char c : record)
            if (--left[byteSlot_[detail::byte(c)]] < 0)
                return false;
        return true;
    }
    bool matches(std::u32string_view record) const;

private:
    std::int32_t* startCount() const {
        std::memcpy(left_.data(), counts_.data(), counts_.size() * sizeof(std::int32_t));
        return left_.data();
    }
    std::uint32_t slotOf(char32_t folded) const;

    CharacterRules rules_;
    detail::CharacterSet characters_;
    std::array<std::uint32_t, 256> byteSlot_{}; // a record's byte to its slot
    std::vector<std::int32_t> counts_;          // by slot; slot 0 stays 0
    mutable std::vector<std::int32_t> left_;
    std::size_t length_ = 0;
    bool refused_ = false;
};

// The same set of letters "a" to "z", case-sensitive in the record: a capital
// there is not its letter. The typed word is lower-cased first.
class ExtendedMatcher {
public:
    static constexpr bool kListsLowerCased = false;
    ExtendedMatcher(std::u32string_view typed, const CharacterRules& rules = CharacterRules());

    bool mayFit(std::size_t, std::size_t) const { return true; }

    bool matches(std::string_view record) const {
        std::uint32_t letters = 0;
        for (const char c : record) {
            letters |= byteBit_[detail::byte(c)];
            if (letters & ~letters_)
                return false;
        }
        return letters == letters_;
    }
    bool matches(std::u32string_view record) const;

private:
    std::array<std::uint32_t, 256> byteBit_{}; // a record's byte to the bit of its letter
    std::uint32_t letters_ = 0;
};

// Records no longer than the typed word whose every character, as read, occurs
// in the lower-cased typed word.
class PartialMatcher {
public:
    static constexpr bool kListsLowerCased = false;
    PartialMatcher(std::u32string_view typed, const CharacterRules& rules = CharacterRules());

    bool mayFit(std::size_t fewest, std::size_t) const { return fewest <= typed_.length(); }

    bool matches(std::string_view record) const {
        if (record.size() > typed_.length())
            return false;
        for (const char c : record)
            if (!byteMember_[detail::byte(c)])
                return false;
        return true;
    }
    bool matches(std::u32string_view record) const;

private:
    detail::TypedCharacters typed_;
    std::array<bool, 256> byteMember_{}; // by a record's byte
};

// Records at least as long as the typed word whose every character, lower-cased,
// occurs in the lower-cased typed word.
class ExtendedPartialMatcher {
public:
    static constexpr bool kListsLowerCased = true;
    ExtendedPartialMatcher(std::u32string_view typed, const CharacterRules& rules = CharacterRules());

    bool mayFit(std::size_t, std::size_t most) const { return most >= typed_.length(); }

    bool matches(std::string_view record) const {
        if (record.size() < typed_.length())
            return false;
        for (const char c : record)
            if (!memberAnyCase_[detail::byte(c)])
                return false;
        return true;
    }
    bool matches(std::u32string_view record) const;

private:
    CharacterRules rules_;
    detail::TypedCharacters typed_;
    std::array<bool, 256> memberAnyCase_{}; // by a record's byte before lower-casing
};

} // namespace tovrel
