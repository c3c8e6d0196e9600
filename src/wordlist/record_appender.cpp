#include "wordlist/record_appender.h"

#include "wordlist/file_error.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {
namespace {

AppendError fileFailure(const FileError& error) {
    return {AppendError::Kind::File, error.message()};
}

AppendError fileFailure(const std::string& path, int errorNumber) {
    return fileFailure(fileErrorFromErrno(path, errorNumber));
}

// Writes all of `bytes`, retrying short writes; false with errno set on failure.
bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            if (wrote == 0)
                errno = ENOSPC;
            return false;
        }
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// Whether the file's last byte ends a line; true for an empty file.
bool endsWithLineEnd(int fd, off_t size) {
    if (size <= 0)
        return true;
    char last = '\n';
    if (::pread(fd, &last, 1, size - 1) != 1)
        return true; // a device or pipe: nothing to continue
    return last == '\n' || last == '\r';
}

} // namespace

std::optional<AppendError> checkAppendable(std::u32string_view word) {
    for (const char32_t c : word) {
        if (c == U'"')
            return AppendError{
                AppendError::Kind::DoubleQuote,
                "it contains a double quote (\"), which the word list cannot store inside a word"};
        if (c == U'\r' || c == U'\n')
            return AppendError{AppendError::Kind::LineBreak,
                               "it contains a line break, and a word must stay on one line of the word list"};
        if (c > 0xFF)
            return AppendError{AppendError::Kind::NotLatin1,
                               "it contains a character that the word list cannot store (only Latin-1 "
                               "characters can be stored)"};
    }
    return std::nullopt;
}

std::optional<AppendError> appendRecord(const std::string& path, std::u32string_view word) {
    if (auto refused = checkAppendable(word))
        return refused;

    struct stat before {};
    const bool existed = ::stat(path.c_str(), &before) == 0;
    const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return fileFailure(path, errno);
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        const int error = errno;
        ::close(fd);
        return fileFailure(path, error);
    }

    std::string record;
    record.reserve(word.size() + 6);
    if (!endsWithLineEnd(fd, status.st_size))
        record += "\r\n";
    record += '"';
    for (const char32_t c : word)
        record += static_cast<char>(static_cast<unsigned char>(c));
    record += "\"\r\n";

    if (!writeAll(fd, record)) {
        const int error = errno;
        // Take back a partial write so that the list stays as it was.
        if (S_ISREG(status.st_mode))
            (void)::ftruncate(fd, status.st_size);
        ::close(fd);
        if (!existed)
            ::unlink(path.c_str());
        return fileFailure(path, error);
    }
    if (::close(fd) != 0)
        return fileFailure(path, errno);
    return std::nullopt;
}

} // namespace tovrel
