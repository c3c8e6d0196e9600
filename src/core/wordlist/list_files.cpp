#include "core/wordlist/list_files.h"

#include "core/wordlist/record_reader.h"
#include "core/wordlist/word_list.h"

namespace tovrel {

std::optional<FileError> ListFiles::read(std::optional<Encoding> encoding, const Read& read) const {
    std::size_t number = 0;
    auto readFile = [&](RecordReader& file) {
        if (!encoding)
            encoding = file.detectEncoding();
        return read(file, number++, *encoding);
    };
    if (list_)
        return list_->read(readFile);
    readFile(*reader_);
    return reader_->error();
}

} // namespace tovrel
