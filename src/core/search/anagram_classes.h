#pragma once

#include "core/search/count_layout.h"
#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

class Commonness;
class LetterMap;
class RecordReader;
struct PhraseOptions;

// The entries of the list that can take part in the anagrams of one phrase,
// grouped into anagram classes (entries with the same letters), and the
// included entries that every result holds. Entries are kept in UTF-8, as
// the searches hand them out (see found.h).
//
// Classes are numbered longest first, then by where their first entry stands
// in the list. A class's entries run commonest first, then in list order, so
// that those of one level (a group) stand together.
class AnagramClasses {
public:
    using Counts = CountLayout::Counts;

    // Starts reading a list in `encoding` for a phrase that holds `phrase` of
    // each letter of `letters`; both must last until finish().
    void start(const PhraseOptions& options, const LetterMap& letters, const CountLayout& layout,
               const std::vector<std::uint32_t>& phrase, Encoding encoding);
    // Keeps the fitting entries of one file of the list. `added`: the user's
    // added words, which the commonness index does not tell of.
    void read(RecordReader& file, bool added);
    // Makes the classes once every file is read, with the commonness of their
    // entries; gives the message when the commonness index is damaged.
    std::optional<std::string> finish(const Commonness* commonness);

    // False when an included word is no entry of the list or the phrase lacks its letters.
    bool includedFit() const { return includedFit_; }
    // The included entries, in the order given, and what they leave of the phrase.
    const std::vector<std::string_view>& included() const { return includedText_; }
    const std::vector<std::uint8_t>& includedLevels() const { return includedLevel_; }
    const std::vector<std::uint32_t>& includedLengths() const { return includedLength_; }
    const Counts& left() const { return left_; }
    std::uint32_t lettersLeft() const { return lettersLeft_; }

    std::size_t size() const { return key_.size(); }
    const Counts& key(std::size_t c) const { return key_[c]; }
    std::uint32_t length(std::size_t c) const { return length_[c]; }
    std::uint32_t longest() const { return key_.empty() ? 0 : length_.front(); }

    std::size_t entriesBegin(std::size_t c) const { return entryBegin_[c]; }
    std::size_t entriesEnd(std::size_t c) const { return entryBegin_[c + 1]; }
    const std::string_view* entry(std::size_t e) const { return &entryText_[e]; }
    const std::string_view* entries() const { return entryText_.data(); }
    std::uint8_t level(std::size_t e) const { return entryLevel_[e]; }

    // Groups of one level within a class, numbered in class order.
    std::size_t groups() const { return groupClass_.size(); }
    std::size_t groupsBegin(std::size_t c) const { return groupBegin_[c]; }
    std::size_t groupsEnd(std::size_t c) const { return groupBegin_[c + 1]; }
    std::size_t groupEntriesBegin(std::size_t g) const { return groupEntry_[g]; }
    std::size_t groupEntriesEnd(std::size_t g) const { return groupEntry_[g + 1]; }
    std::uint8_t groupLevel(std::size_t g) const { return entryLevel_[groupEntry_[g]]; }
    std::uint32_t groupLength(std::size_t g) const { return length_[groupClass_[g]]; }

private:
    struct Candidate {
        Counts key;
        std::size_t offset; // of its text in text_
        std::size_t size;
        std::uint32_t letters;
        std::uint32_t position; // in the list, among the candidates
        std::uint8_t level;
        bool added;
    };
    void build(std::vector<Candidate>& candidates);
    // The entries and included words in UTF-8, padded, in place of their text as read.
    void showInUtf8();

    const PhraseOptions* options_ = nullptr;
    const LetterMap* letters_ = nullptr;
    const CountLayout* layout_ = nullptr;
    Encoding encoding_ = Encoding::Latin1;
    Counts whole_{};
    std::vector<std::optional<std::string>> included_; // as the list would hold them
    std::vector<bool> includedInList_;
    std::vector<bool> includedShipped_; // found in the shipped list, not only among the added words
    std::vector<std::string> excluded_;
    std::vector<Candidate> candidates_;

    std::string text_;  // the text of every kept entry as read, one after another
    std::string shown_; // the entries and included words in UTF-8
    bool includedFit_ = true;
    std::vector<std::string_view> includedText_;
    std::vector<std::uint8_t> includedLevel_;
    std::vector<std::uint32_t> includedLength_;
    Counts left_{};
    std::uint32_t lettersLeft_ = 0;

    std::vector<Counts> key_;
    std::vector<std::uint32_t> length_;
    std::vector<std::size_t> entryBegin_;
    std::vector<std::string_view> entryText_;
    std::vector<std::uint8_t> entryLevel_;
    std::vector<std::size_t> groupBegin_;
    std::vector<std::size_t> groupEntry_;
    std::vector<std::uint32_t> groupClass_;
};

} // namespace tovrel
