#pragma once

#include "core/wordlist/file_error.h"
#include "core/wordlist/text_encoding.h"

#include <cstddef>
#include <functional>
#include <optional>

namespace tovrel {

class RecordReader;
class WordList;

// The files of a word list, for a search that reads them in turn as one list:
// a WordList (the shipped list, then the user's added words), or one reader
// the caller opened (a file, a pipe, standard input). All are read in one
// encoding, so that a typed word means the same in each: the one given, else
// the first file's.
class ListFiles {
public:
    ListFiles(const WordList& list) : list_(&list) {}
    ListFiles(RecordReader& reader) : reader_(&reader) {}

    // Hands each file to `read` with its number (0 for the first) and the
    // encoding, until `read` returns false. The error names the file that
    // could not be opened or read.
    using Read = std::function<bool(RecordReader& file, std::size_t number, Encoding encoding)>;
    std::optional<FileError> read(std::optional<Encoding> encoding, const Read& read) const;

private:
    const WordList* list_ = nullptr;
    RecordReader* reader_ = nullptr;
};

} // namespace tovrel
