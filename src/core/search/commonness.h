#pragma once

#include "core/wordlist/file_error.h"
#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

class ReservedMemory;

// How common words are: the level of each word of the commonness file, the
// smaller the commoner (SCOWL's size levels, 10 to 95). A word the file does
// not know counts as the rarest.
//
// The file is written as text: one word a line, as spelt in the list, under
// a line "level N" (N from 0 to 254); lines that start with "#" and empty
// lines are left out. Case counts: "Colt" and "colt" are two words; a word
// listed twice has the commoner level. The program reads it as an index made
// from that text at build time (indexOf), so that a search looks up the few
// thousand words it needs without reading the whole file: a header, the end
// of each bucket of words, and the buckets, each word as its level, its
// length and its bytes; a word lies in the bucket its FNV-1a hash names. All
// numbers are little-endian, so the index is the same on every machine.
class Commonness {
public:
    static constexpr std::uint8_t kUnknown = 255;
    // Ranking keeps a few levels apart, as SCOWL has (ten); a file with more is not one of ours.
    static constexpr std::size_t kMostLevels = 32;
    // A word of the index is at most this many bytes; the text may hold no longer one.
    static constexpr std::size_t kLongestWord = 255;

    // Knows no word: every word is the rarest.
    Commonness();
    ~Commonness();
    Commonness(const Commonness&) = delete;
    Commonness& operator=(const Commonness&) = delete;

    // Reads the index at `path`, which must be one (by its header); on an
    // error it knows no word.
    std::optional<FileError> load(const std::string& path);
    // Takes the text form, named `name` in errors; a fault of its form is an
    // error that names the line, and then it knows no word.
    std::optional<FileError> loadText(std::string_view text, const std::string& name);
    // The index of the text form, or the fault of its form.
    static std::optional<FileError> indexOf(std::string_view text, const std::string& name,
                                            std::string& index);

    // The level of each word. The only error is an index damaged where a
    // word was looked up.
    std::optional<FileError> levels(const std::vector<std::string_view>& words,
                                    std::vector<std::uint8_t>& levels) const;
    // The same for entries of a list read in `encoding`: the file spells its
    // words in Latin-1, like the shipped list, so an entry beyond Latin-1 is
    // a word it does not know.
    std::optional<FileError> levels(const std::vector<std::string_view>& entries, Encoding encoding,
                                    std::vector<std::uint8_t>& levels) const;
    // The same for `count` entries, the i-th given by entryAt(i), for a
    // search that holds its entries otherwise than as views.
    using WordAt = std::function<std::string_view(std::size_t)>;
    std::optional<FileError> levels(std::size_t count, const WordAt& entryAt, Encoding encoding,
                                    std::vector<std::uint8_t>& levels) const;

private:
    void forget();
    // Looks words up in `index`, an index whose header is checked, held by this object.
    void use(std::string_view index, const std::string& name);
    // The level of a Latin-1 word, or nothing where the index is damaged.
    std::optional<std::uint8_t> levelOf(std::string_view word) const;
    std::optional<FileError> latin1Levels(std::size_t count, const WordAt& wordAt,
                                          std::vector<std::uint8_t>& levels) const;

    std::string name_;                     // the file's path, or the name given with the text
    std::unique_ptr<ReservedMemory> read_; // holds the index read from a file
    std::string built_;                    // the index made from text, or read where no memory was reserved
    std::string_view index_;               // in one of the two, or empty
    std::size_t bucketMask_ = 0;
};

} // namespace tovrel
