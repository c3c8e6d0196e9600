#include "core/wordlist/file_to_read.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace tovrel {

std::optional<FileError> checkToRead(int fd, const std::string& name, bool acceptPipes, struct stat& status) {
    if (::fstat(fd, &status) != 0)
        return fileErrorFromErrno(name, errno);
    if (S_ISDIR(status.st_mode))
        return FileError{name, "it is a folder, not a file"};
    if (!S_ISREG(status.st_mode) && !acceptPipes)
        return FileError{name, "it is not a regular file"};
    return std::nullopt;
}

std::optional<FileError> openToRead(const std::string& path, bool acceptPipes, int& fd, struct stat& status) {
    // Without pipes, opening must not wait for a FIFO's writer either.
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | (acceptPipes ? 0 : O_NONBLOCK));
    if (fd < 0)
        return fileErrorFromErrno(path, errno);
    if (auto error = checkToRead(fd, path, acceptPipes, status)) {
        ::close(fd);
        fd = -1;
        return error;
    }
    if (!acceptPipes)
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return std::nullopt;
}

} // namespace tovrel
