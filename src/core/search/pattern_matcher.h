#pragma once

#include "core/search/letter_map.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

class CharacterRules;

// A crossword pattern: "?" or "." stands for any one letter (an accented one
// too), "*" for any run of letters (also none), every other letter for itself
// in either case; the whole entry must fit. An entry is matched by its letters
// alone: an apostrophe, a hyphen or a blank in it is skipped, as in a grid.
class PatternMatcher {
public:
    // The matcher for a typed pattern (blanks ignored) on a list read with
    // `rules`, or the one line that says why it is refused: it is empty, it
    // holds a character that is no letter or wildcard, or it is only "*",
    // which every word fits.
    struct Made;
    static Made make(std::u32string_view pattern, const CharacterRules& rules);

    // `ascii`: the entry has no byte above 0x7F. Every letter takes a byte or
    // more, and most entries of a list end
    // in a letter other than the pattern's last, which tells them at once.
    bool matches(std::string_view entry, bool ascii) const {
        if (entry.size() < fewestLetters_)
            return false;
        if (bytesDecide_ || ascii) {
            const std::uint8_t code = letters_[static_cast<unsigned char>(entry.back())];
            if (code != lastLetter_ && code != LetterMap::kNoLetter && lastLetter_ != kAny)
                return false;
        }
        return fits(entry, ascii);
    }

private:
    static constexpr std::uint8_t kAny = 0xFD; // no letter of an alphabet has this code

    PatternMatcher(const std::u32string& letters, LetterMap map);
    bool fits(std::string_view entry, bool ascii) const;
    // Whether the letters from `letters` on start with `part`.
    static bool fits(const std::vector<std::uint8_t>& part, const std::uint8_t* letters);
    // Whether the entry's last letters are those of the last part: a quick
    // test on its bytes that most entries fail, for patterns like "*ology".
    bool endsLikeLastPart(std::string_view entry) const;

    LetterMap letters_;
    // The pattern split at its stars: the first part must start the entry and
    // the last end it; a part is the codes of its letters, kAny for "?".
    std::vector<std::vector<std::uint8_t>> parts_;
    bool starred_ = false;
    std::size_t fewestLetters_ = 0;
    bool bytesDecide_;                        // a Latin-1 list, whose every byte is a character
    std::uint8_t lastLetter_ = kAny;          // the code of the pattern's last letter, kAny for a wildcard
    mutable std::vector<std::uint8_t> entry_; // the entry's letters, kept to save allocating for each
};

struct PatternMatcher::Made {
    std::optional<PatternMatcher> matcher;
    std::string refusal;
};

} // namespace tovrel
