#pragma once

#include <string>

namespace tovrel {

// What went wrong with a file, worded for the person at the keyboard.
struct FileError {
    std::string path;
    std::string reason; // for example "No such file or directory"

    std::string message() const; // "<path>: <reason>"
};

FileError fileErrorFromErrno(const std::string& path, int errorNumber);

} // namespace tovrel
