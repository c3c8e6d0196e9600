#include "core/search/pattern_matcher.h"

#include "core/search/typed_letters.h"

namespace tovrel {

bool PatternMatcher::fits(const std::vector<std::uint8_t>& part, const std::uint8_t* letters) {
    for (std::size_t i = 0; i < part.size(); ++i)
        if (part[i] != kAny && part[i] != letters[i])
            return false;
    return true;
}

PatternMatcher::Made PatternMatcher::make(std::u32string_view pattern, const CharacterRules& rules) {
    const TypedLetters typed = TypedLetters::read(pattern, U"?.*", "pattern", rules);
    if (!typed.refusal.empty())
        return {std::nullopt, typed.refusal};
    if (typed.letters.empty())
        return {std::nullopt, "the pattern is empty"};
    if (typed.letters.find_first_not_of(U'*') == std::u32string::npos)
        return {std::nullopt, "a pattern of only '*' would list every word"};
    std::optional<LetterMap> map = LetterMap::make(typed.letters, rules);
    if (!map)
        return {std::nullopt, "the pattern has more than " + std::to_string(LetterMap::kLargestAlphabet) +
                                  " different letters"};
    return {PatternMatcher(typed.letters, std::move(*map)), ""};
}

PatternMatcher::PatternMatcher(const std::u32string& letters, LetterMap map)
    : letters_(std::move(map)), bytesDecide_(letters_.encoding() == Encoding::Latin1) {
    parts_.emplace_back();
    for (const char32_t c : letters) {
        if (c == U'*') {
            // Stars side by side are one: a pattern of many costs no more than one.
            if (!starred_ || !parts_.back().empty())
                parts_.emplace_back();
            starred_ = true;
        } else {
            parts_.back().push_back(c == U'?' || c == U'.' ? kAny : letters_.codeOf(c));
            ++fewestLetters_;
        }
    }
    if (!parts_.back().empty())
        lastLetter_ = parts_.back().back();
}

bool PatternMatcher::endsLikeLastPart(std::string_view entry) const {
    const std::vector<std::uint8_t>& last = parts_.back();
    std::size_t at = entry.size();
    for (std::size_t i = last.size(); i-- > 0;) {
        std::uint8_t code = LetterMap::kNoLetter;
        while (at > 0 && (code = letters_[static_cast<unsigned char>(entry[--at])]) == LetterMap::kNoLetter)
            ;
        if (code == LetterMap::kNoLetter || (last[i] != kAny && last[i] != code))
            return false;
    }
    return true;
}

bool PatternMatcher::fits(std::string_view entry, bool ascii) const {
    if ((bytesDecide_ || ascii) && !endsLikeLastPart(entry))
        return false;
    entry_.clear();
    letters_.eachLetter(entry, ascii, [&](std::uint8_t code) {
        entry_.push_back(code);
        return true;
    });
    const std::size_t size = entry_.size();
    if (size < fewestLetters_ || (!starred_ && size != fewestLetters_))
        return false;
    const std::uint8_t* const letters = entry_.data();
    const std::vector<std::uint8_t>& first = parts_.front();
    const std::vector<std::uint8_t>& last = parts_.back();
    if (!fits(first, letters) || !fits(last, letters + size - last.size()))
        return false;
    // Each part between stars where it fits first: leftmost is never worse for the parts after it.
    std::size_t from = first.size();
    const std::size_t end = size - last.size();
    for (std::size_t i = 1; i + 1 < parts_.size(); ++i) {
        const std::vector<std::uint8_t>& part = parts_[i];
        while (from + part.size() <= end && !fits(part, letters + from))
            ++from;
        if (from + part.size() > end)
            return false;
        from += part.size();
    }
    return true;
}

} // namespace tovrel
