#include "cli/output.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel::cli {
namespace {

// A pipe of a megabyte takes a search's output in far fewer turns between
// this program and the one reading than the usual 64 KiB; the system may
// refuse, and nothing changes then.
void widenPipe(int fd) {
#ifdef F_SETPIPE_SZ
    struct stat status {};
    constexpr int kWide = 1 << 20;
    if (::fstat(fd, &status) == 0 && S_ISFIFO(status.st_mode) && ::fcntl(fd, F_GETPIPE_SZ) < kWide)
        ::fcntl(fd, F_SETPIPE_SZ, kWide);
#else
    (void)fd;
#endif
}

} // namespace

Output::Output(int fd) : fd_(fd), buffer_(new char[kPiece]) {
    widenPipe(fd);
}

Output::~Output() {
    flush();
}

void Output::write(std::string_view bytes) {
    if (bytes.empty() || failed())
        return;
    if (used_ + bytes.size() > capacity_) {
        if (!flush())
            return;
        if (bytes.size() >= capacity_) {
            last_ = bytes.back();
            writeThrough(bytes);
            return;
        }
    }
    std::memcpy(buffer_.get() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
    last_ = bytes.back();
}

char* Output::room(std::size_t bytes) {
    if (failed())
        return nullptr;
    if (capacity_ - used_ < bytes) {
        flush();
        if (capacity_ < bytes) {
            buffer_.reset(new char[bytes]);
            capacity_ = bytes;
        }
    }
    return failed() ? nullptr : buffer_.get() + used_;
}

void Output::wrote(char* end) {
    const std::size_t used = static_cast<std::size_t>(end - buffer_.get());
    if (used > used_)
        last_ = end[-1];
    used_ = used;
}

bool Output::flush() {
    writeThrough(std::string_view(buffer_.get(), used_));
    used_ = 0;
    return !failed();
}

void Output::writeThrough(std::string_view bytes) {
    while (!bytes.empty() && !failed()) {
        const ssize_t wrote = ::write(fd_, bytes.data(), bytes.size());
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0) {
            reason_ = std::strerror(wrote < 0 ? errno : ENOSPC);
            return;
        }
        bytes.remove_prefix(static_cast<std::size_t>(wrote));
    }
}

} // namespace tovrel::cli
