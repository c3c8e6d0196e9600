#pragma once

#include "core/wordlist/file_error.h"
#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tovrel {

// How common words are: the level of each word of the commonness file, the
// smaller the commoner (SCOWL's size levels, 10 to 95). A word the file does
// not know counts as the rarest.
//
// The file holds one word a line, as spelt in the list, under a line
// "level N" (N from 0 to 254); lines that start with "#" and empty lines are
// left out. Case counts: "Colt" and "colt" are two words. A search asks for
// the few thousand words it needs in one pass over the file, so nothing of
// the file is held between searches.
class Commonness {
public:
    static constexpr std::uint8_t kUnknown = 255;
    // Ranking keeps a few levels apart, as SCOWL has (ten); a file with more is not one of ours.
    static constexpr std::size_t kMostLevels = 32;

    // Knows no word: every word is the rarest.
    Commonness() = default;

    // Reads the file at `path` for each search from now on, once it opens;
    // or takes `content` as the file `name`. On an error it knows no word.
    std::optional<FileError> load(const std::string& path);
    void load(std::string content, const std::string& name);

    // The level of each word, in one pass over the file; a fault of the
    // file's form is an error that names the line.
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
    enum class Source { None, File, Content };
    template <typename Take> std::optional<FileError> eachWord(Take&& take) const;
    std::optional<FileError> latin1Levels(std::size_t count, const WordAt& wordAt,
                                          std::vector<std::uint8_t>& levels) const;

    Source source_ = Source::None;
    std::string name_;    // the file's path, or the name given with its content
    std::string content_; // with Source::Content
};

} // namespace tovrel
