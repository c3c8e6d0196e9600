#include "core/wordlist/record_appender.h"

#include "core/wordlist/file_error.h"
#include "core/wordlist/record_reader.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
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

// Reads `size` bytes at `offset`; false with errno set when they cannot all be read.
bool readAt(int fd, char* to, std::size_t size, off_t offset) {
    const ssize_t got = ::pread(fd, to, size, offset);
    if (got == static_cast<ssize_t>(size))
        return true;
    if (got >= 0)
        errno = EIO; // the file shrank under us
    return false;
}

// The last line of the file, from the byte after its last line end; nothing,
// with errno set, when it cannot be read.
std::optional<std::string> lastLine(int fd, off_t size) {
    constexpr off_t kBlock = 64 * 1024;
    off_t start = size;
    std::string block;
    while (start > 0) {
        const off_t from = start > kBlock ? start - kBlock : 0;
        block.resize(static_cast<std::size_t>(start - from));
        if (!readAt(fd, block.data(), block.size(), from))
            return std::nullopt;
        const std::size_t lineEnd = block.find_last_of("\r\n");
        if (lineEnd != std::string::npos) {
            start = from + static_cast<off_t>(lineEnd) + 1;
            break;
        }
        start = from;
    }
    std::string line(static_cast<std::size_t>(size - start), '\0');
    if (!readAt(fd, line.data(), line.size(), start))
        return std::nullopt;
    return line;
}

std::size_t recordCount(std::string_view content) {
    std::size_t count = 0;
    RecordReader(content).forEachRecord([&](std::string_view) { ++count; });
    return count;
}

// What to write before the new record so that every old record reads back as
// it was: nothing at the start of a line; a line end after an unfinished last
// line, so that its last word stays whole. A comma that ends the file after a
// field already opens the next record, and a line end there would read as an
// extra empty record, so the new record follows the comma directly; a comma
// inside a quoted field that never closed gets the line end like any other byte.
// Nothing, with errno set, when the file cannot be read.
std::optional<std::string_view> leadIn(int fd, const struct stat& status) {
    if (!S_ISREG(status.st_mode) || status.st_size == 0)
        return "";
    char last = 0;
    if (!readAt(fd, &last, 1, status.st_size - 1))
        return std::nullopt;
    if (last == '\n' || last == '\r')
        return "";
    if (last == ',') {
        const std::optional<std::string> line = lastLine(fd, status.st_size);
        if (!line)
            return std::nullopt;
        if (recordCount(*line + "\r\n") > recordCount(*line))
            return "";
    }
    return "\r\n";
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

// Opens the file for appending and takes its lock, so that the look at its end
// and the write that follows it are one step for every instance of the
// program: two of them adding at the same moment would otherwise both see the
// same end (or a record half written) and the mend of one would break the
// record of the other. A file removed by another instance while waiting for
// the lock (it had made the file and failed to write) is opened anew.
// Gives the descriptor, or -1 with errno set.
int openLocked(const std::string& path, bool& created) {
    for (;;) {
        struct stat before {};
        created = ::stat(path.c_str(), &before) != 0;
        const int fd = ::open(path.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return -1;
        int locked;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat opened {};
        struct stat now {};
        // A device or a pipe in the list's place takes no lock; it is written as it is.
        if (locked != 0 || ::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode))
            return fd;
        if (::stat(path.c_str(), &now) == 0 && now.st_dev == opened.st_dev && now.st_ino == opened.st_ino)
            return fd;
        ::close(fd);
    }
}

std::optional<AppendError> appendRecord(const std::string& path, std::u32string_view word) {
    if (auto refused = checkAppendable(word))
        return refused;

    bool created = false;
    const int fd = openLocked(path, created);
    if (fd < 0)
        return fileFailure(path, errno);
    // Takes back what this call did, the lock still held: the file as it was,
    // or none when this call made it.
    const auto fail = [&](int error, const struct stat* status) {
        if (status && S_ISREG(status->st_mode)) {
            if (created && status->st_size == 0)
                ::unlink(path.c_str());
            else
                (void)::ftruncate(fd, status->st_size);
        }
        ::close(fd);
        return fileFailure(path, error);
    };
    struct stat status {};
    if (::fstat(fd, &status) != 0)
        return fail(errno, nullptr);

    const std::optional<std::string_view> lead = leadIn(fd, status);
    if (!lead)
        return fail(errno, &status);
    std::string record;
    record.reserve(word.size() + 6);
    record += *lead;
    record += '"';
    for (const char32_t c : word)
        record += static_cast<char>(static_cast<unsigned char>(c));
    record += "\"\r\n";

    if (!writeAll(fd, record))
        return fail(errno, &status);
    if (::close(fd) != 0)
        return fileFailure(path, errno);
    return std::nullopt;
}

} // namespace tovrel
