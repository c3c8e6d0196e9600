#include "cli/output.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace tovrel::cli {

Output::Output(int fd) : fd_(fd) {
    pending_.reserve(kPiece);
}

Output::~Output() {
    flush();
}

void Output::write(std::string_view bytes) {
    if (bytes.empty() || failed())
        return;
    last_ = bytes.back();
    if (pending_.size() + bytes.size() > kPiece) {
        writeThrough(pending_);
        pending_.clear();
        if (bytes.size() >= kPiece) {
            writeThrough(bytes);
            return;
        }
    }
    pending_.append(bytes);
}

bool Output::flush() {
    writeThrough(pending_);
    pending_.clear();
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
