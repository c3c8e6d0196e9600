#include "core/wordlist/word_list.h"

#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"

#include <cerrno>
#include <sys/stat.h>

namespace tovrel {
namespace {

// Creates the folders that lead to `file`, private to the user as the XDG
// base directories ask; the error names the folder that cannot be made.
std::optional<FileError> makeFoldersOf(const std::string& file) {
    for (std::size_t slash = file.find('/', 1); slash != std::string::npos;
         slash = file.find('/', slash + 1)) {
        const std::string folder = file.substr(0, slash);
        // Another instance may make the same folder at the same moment.
        if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
            return fileErrorFromErrno(folder, errno);
    }
    return std::nullopt;
}

bool missing(const std::string& path) {
    struct stat status {};
    return ::lstat(path.c_str(), &status) != 0 && errno == ENOENT;
}

} // namespace

std::optional<FileError> WordList::read(const std::function<bool(RecordReader&)>& readFile) const {
    for (const std::string* path : {&shipped_, &added_}) {
        if (path == &added_ && (added_.empty() || missing(added_)))
            break;
        RecordReader reader;
        if (auto error = reader.open(*path))
            return error;
        const bool goOn = readFile(reader);
        if (reader.error())
            return reader.error();
        if (!goOn)
            break;
    }
    return std::nullopt;
}

std::optional<AppendError> WordList::append(std::u32string_view word) const {
    if (auto refused = checkAppendable(word))
        return refused;
    if (!added_.empty()) {
        if (auto error = makeFoldersOf(added_))
            return AppendError{AppendError::Kind::File, error->message()};
    }
    return appendRecord(appendPath(), word);
}

} // namespace tovrel
