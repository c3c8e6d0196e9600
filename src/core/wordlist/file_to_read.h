#pragma once

#include "core/wordlist/file_error.h"

#include <optional>
#include <string>
#include <sys/stat.h>

namespace tovrel {

// Opens `path` to read it. A folder in its place is refused ("it is a folder,
// not a file"), and so is anything but a regular file (a pipe, a device)
// unless `acceptPipes`; opening never waits for the writer of a pipe it
// refuses. On success `fd` is open, blocking, and `status` tells what it is;
// on an error nothing is left open.
std::optional<FileError> openToRead(const std::string& path, bool acceptPipes, int& fd, struct stat& status);

// The same checks for a descriptor already open (standard input), named
// `name` in errors; the caller closes it.
std::optional<FileError> checkToRead(int fd, const std::string& name, bool acceptPipes, struct stat& status);

} // namespace tovrel
