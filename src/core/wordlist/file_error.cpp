#include "core/wordlist/file_error.h"

#include <cstring>

namespace tovrel {

std::string FileError::message() const {
    return path + ": " + reason;
}

FileError fileErrorFromErrno(const std::string& path, int errorNumber) {
    return FileError{path, std::strerror(errorNumber)};
}

} // namespace tovrel
