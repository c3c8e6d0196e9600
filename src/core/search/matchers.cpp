#include "core/search/matchers.h"

#include <algorithm>

namespace tovrel {

namespace detail {

void CharacterSet::insert(char32_t c) {
    const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), c);
    if (at == sorted_.end() || *at != c)
        sorted_.insert(at, c);
}

std::ptrdiff_t CharacterSet::find(char32_t c) const {
    const auto at = std::lower_bound(sorted_.begin(), sorted_.end(), c);
    return at != sorted_.end() && *at == c ? at - sorted_.begin() : -1;
}

} // namespace detail

namespace {

// The typed word as compared: each character lower-cased and, when accents
// are folded, without them; a combining accent then drops out.
std::u32string foldedWord(std::u32string_view typed, const CharacterRules& rules) {
    std::u32string out;
    out.reserve(typed.size());
    for (const char32_t c : typed)
        if (const char32_t folded = rules.folded(c); folded != CharacterRules::kDropped)
            out.push_back(folded);
    return out;
}

} // namespace

CompleteMatcher::CompleteMatcher(std::u32string_view typed, const CharacterRules& rules) : rules_(rules) {
    std::u32string word;
    for (const char32_t c : foldedWord(typed, rules)) {
        if (c == U' ')
            continue;
        if (!rules.isLetter(c) && c != U'{') {
            refused_ = true;
            return;
        }
        word.push_back(c);
        characters_.insert(c);
    }
    length_ = word.size();
    counts_.assign(characters_.characters().size() + 1, 0);
    left_.assign(counts_.size(), 0);
    for (const char32_t c : word)
        ++counts_[slotOf(c)];
    for (int b = 0; b < 256; ++b) {
        const char32_t folded = rules.folded(static_cast<char32_t>(b));
        byteSlot_[b] = folded == CharacterRules::kDropped ? 0 : slotOf(folded);
    }
}

std::uint32_t CompleteMatcher::slotOf(char32_t folded) const {
    return static_cast<std::uint32_t>(characters_.find(folded) + 1);
}

bool CompleteMatcher::matches(std::u32string_view record) const {
    if (refused_ || record.size() != length_)
        return false;
    std::int32_t* left = startCount();
    for (const char32_t c : record)
        if (--left[slotOf(rules_.folded(c))] < 0)
            return false;
    return true;
}

ExtendedMatcher::ExtendedMatcher(std::u32string_view typed, const CharacterRules& rules) {
    for (const char32_t c : foldedWord(typed, rules))
        if (c >= U'a' && c <= U'z')
            letters_ |= std::uint32_t{1} << (c - U'a');
    for (int b = 0; b < 256; ++b) {
        const char32_t plain = rules.base(static_cast<char32_t>(b));
        if (plain >= U'a' && plain <= U'z')
            byteBit_[b] = std::uint32_t{1} << (plain - U'a');
    }
}

bool ExtendedMatcher::matches(std::u32string_view record) const {
    std::uint32_t letters = 0;
    for (const char32_t c : record) {
        if (c >= U'a' && c <= U'z')
            letters |= std::uint32_t{1} << (c - U'a');
        if (letters & ~letters_)
            return false;
    }
    return letters == letters_;
}

namespace detail {

TypedCharacters::TypedCharacters(std::u32string_view typed, const CharacterRules& rules) {
    const std::u32string word = foldedWord(typed, rules);
    length_ = word.size();
    for (const char32_t c : word) {
        characters_.insert(c);
        if (c < 256)
            member_[c] = true;
    }
}

} // namespace detail

PartialMatcher::PartialMatcher(std::u32string_view typed, const CharacterRules& rules)
    : typed_(typed, rules) {
    for (int b = 0; b < 256; ++b) {
        const char32_t plain = rules.base(static_cast<char32_t>(b));
        byteMember_[b] = plain != CharacterRules::kDropped && typed_.contains(plain);
    }
}

bool PartialMatcher::matches(std::u32string_view record) const {
    if (record.size() > typed_.length())
        return false;
    for (const char32_t c : record)
        if (!typed_.contains(c))
            return false;
    return true;
}

ExtendedPartialMatcher::ExtendedPartialMatcher(std::u32string_view typed, const CharacterRules& rules)
    : rules_(rules), typed_(typed, rules) {
    for (int b = 0; b < 256; ++b) {
        const char32_t folded = rules.folded(static_cast<char32_t>(b));
        memberAnyCase_[b] = folded != CharacterRules::kDropped && typed_.contains(folded);
    }
}
bool ExtendedPartialMatcher::matches(std::u32string_view record) const {
    if (record.size() < typed_.length())
        return false;
    for (const char32_t c : record)
        if (!typed_.contains(rules_.folded(c)))
            return false;
    return true;
}

} // namespace tovrel
