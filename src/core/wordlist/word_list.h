#pragma once

#include "core/wordlist/file_error.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace tovrel {

class RecordReader;
struct AppendError;

// The word list as every search, the game and Add word see it: the shipped
// list, followed by the user's own file of added words when the shipped list
// cannot take them. Read in turn, the two give the same records as one file
// to which the added words were appended.
class WordList {
public:
    // A list of one file, read and appended to on its own.
    WordList(std::string path) : shipped_(std::move(path)) {}
    WordList(const char* path) : shipped_(path) {}
    // The shipped list, read first, and the file that takes the added words,
    // read after it (missing until the first word is added).
    WordList(std::string shipped, std::string added)
        : shipped_(std::move(shipped)), added_(std::move(added)) {}

    const std::string& shippedPath() const { return shipped_; }
    // Where Add word writes: the user's file of added words, else the shipped list.
    const std::string& appendPath() const { return added_.empty() ? shipped_ : added_; }

    // Opens each file of the list in turn and hands it to `readFile`, which
    // reads as far as it needs and returns whether to go on to the next file.
    // A file of added words that does not exist yet holds no record. The error
    // names the file that could not be opened or read.
    std::optional<FileError> read(const std::function<bool(RecordReader&)>& readFile) const;

    // Appends the word as one record to appendPath(), creating the folders of
    // the user's file on the first word. Refuses what the list cannot store.
    std::optional<AppendError> append(std::u32string_view word) const;

private:
    std::string shipped_;
    std::string added_;
};

} // namespace tovrel
