#include "core/wordlist/record_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {

RecordReader::RecordReader(std::string_view content)
    : data_(content.data()), pos_(0), end_(content.size()), eof_(true) {}

RecordReader::~RecordReader() {
    close();
}

std::optional<FileError> RecordReader::open(const std::string& path, std::size_t blockSize) {
    close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        return fileErrorFromErrno(path, errno);
    struct stat status {};
    if (::fstat(fd_, &status) == 0 && S_ISDIR(status.st_mode)) {
        close();
        return FileError{path, "it is a folder, not a file"};
    }
    buffer_.assign(blockSize < 16 ? 16 : blockSize, '\0');
    data_ = buffer_.data();
    pos_ = end_ = 0;
    eof_ = false;
    error_.reset();
    return std::nullopt;
}

void RecordReader::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

bool RecordReader::refill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + pos_, end_ - pos_);
        end_ -= pos_;
        pos_ = 0;
    }
    if (end_ == buffer_.size()) { // one field longer than a block
        if (buffer_.size() >= kLongestField) {
            // Not a word list (a device that never ends, say): stop before memory runs out.
            error_ = FileError{path_, "it holds a line longer than " + std::to_string(kLongestField >> 20) +
                                          " MiB, which no word list has"};
            eof_ = true;
            return false;
        }
        buffer_.resize(buffer_.size() * 2);
    }
    data_ = buffer_.data();
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (got > 0) {
            end_ += static_cast<std::size_t>(got);
            return true;
        }
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error_ = fileErrorFromErrno(path_, errno);
        eof_ = true;
        return false;
    }
}

std::size_t RecordReader::find(std::size_t from, std::string_view stops) {
    for (;;) {
        for (std::size_t i = pos_ + from; i < end_; ++i)
            if (stops.find(data_[i]) != std::string_view::npos)
                return i - pos_;
        from = end_ - pos_;
        if (!refill())
            return end_ - pos_;
    }
}

std::size_t RecordReader::pastDelimiter(std::size_t at) {
    if (pos_ + at >= end_)
        return at; // the end of the file ends the record
    if (data_[pos_ + at] == '\r') {
        if (pos_ + at + 1 == end_)
            refill();
        if (pos_ + at + 1 < end_ && data_[pos_ + at + 1] == '\n')
            return at + 2;
    }
    return at + 1;
}

std::string_view RecordReader::next() {
    for (;;) {
        while (pos_ < end_ && data_[pos_] == ' ')
            ++pos_;
        if (pos_ < end_ || !refill())
            break;
    }
    if (pos_ >= end_)
        return {};

    static constexpr std::string_view kDelimiters(",\r\n", 3);
    std::size_t recordStart = 0;
    std::size_t recordEnd = 0;
    std::size_t delimiter = 0;
    bool trim = false;
    if (data_[pos_] == '"') {
        recordStart = 1;
        recordEnd = find(1, "\"\r\n");
        delimiter = recordEnd;
        if (pos_ + recordEnd < end_ && data_[pos_ + recordEnd] == '"')
            delimiter = find(recordEnd + 1, kDelimiters);
    } else {
        recordEnd = delimiter = find(0, kDelimiters);
        trim = true;
    }
    const std::size_t consumed = pastDelimiter(delimiter);
    std::string_view record(data_ + pos_ + recordStart, recordEnd - recordStart);
    pos_ += consumed;
    return trim ? trimTrailingBlanks(record) : record;
}

} // namespace tovrel
