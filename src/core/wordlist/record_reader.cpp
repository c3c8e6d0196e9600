#include "core/wordlist/record_reader.h"

#include "core/wordlist/file_to_read.h"
#include "core/wordlist/utf8.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {

RecordReader::RecordReader(std::string_view content)
    : data_(content.data()), pos_(0), end_(content.size()), eof_(true) {}

RecordReader::~RecordReader() {
    close();
}

std::optional<FileError> RecordReader::open(const std::string& path, const ReadOptions& options) {
    close();
    path_ = path;
    struct stat status {};
    if (auto error = openToRead(path, options.acceptPipes, fd_, status))
        return error;
    return startReading(status, options);
}

std::optional<FileError> RecordReader::openStandardInput(const ReadOptions& options) {
    close();
    path_ = "standard input";
    fd_ = ::fcntl(STDIN_FILENO, F_DUPFD_CLOEXEC, 0);
    if (fd_ < 0)
        return fileErrorFromErrno(path_, errno);
    struct stat status {};
    if (auto error = checkToRead(fd_, path_, options.acceptPipes, status)) {
        close();
        return error;
    }
    return startReading(status, options);
}

std::optional<FileError> RecordReader::startReading(const struct stat& status, const ReadOptions& options) {
    regularFile_ = S_ISREG(status.st_mode);
    capacity_ = options.blockSize < 16 ? 16 : options.blockSize;
    buffer_.reset(static_cast<char*>(std::malloc(capacity_)));
    if (!buffer_) {
        close();
        return FileError{path_, "there is not enough memory to read it"};
    }
    longestRecord_ = options.longestRecord < 1 ? 1 : options.longestRecord;
    data_ = buffer_.get();
    pos_ = end_ = 0;
    dropped_ = 0;
    eof_ = false;
    error_.reset();
    skipped_ = {};
    skipped_.longest = longestRecord_;
    return std::nullopt;
}

void RecordReader::close() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
}

Encoding RecordReader::detectEncoding() {
    if (fd_ < 0) // bytes given in memory
        return isValidUtf8(std::string_view(data_, end_)) ? Encoding::Utf8 : Encoding::Latin1;
    if (!regularFile_)
        return Encoding::Utf8;
    // Read apart from the records, so that the pass still starts where it is.
    // (Not mapped: a list cut short while mapped would end the program.) The
    // first block is small, since a Latin-1 list shows itself early.
    constexpr std::size_t kLargest = std::size_t{1} << 20;
    const std::unique_ptr<char[]> block(new char[kLargest]);
    std::size_t size = std::size_t{1} << 16;
    std::size_t carried = 0; // the start of a sequence that the last block cut
    for (off_t offset = 0;; size = kLargest) {
        const ssize_t got = ::pread(fd_, block.get() + carried, size - carried, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) // the end (or an error, which the pass will meet and report)
            return carried == 0 ? Encoding::Utf8 : Encoding::Latin1;
        offset += got;
        const std::string_view bytes(block.get(), carried + static_cast<std::size_t>(got));
        const std::size_t tail = unfinishedUtf8Tail(bytes);
        if (!isValidUtf8(bytes.substr(0, bytes.size() - tail)))
            return Encoding::Latin1;
        std::memmove(block.get(), bytes.data() + bytes.size() - tail, tail);
        carried = tail;
    }
}

bool RecordReader::refill() {
    if (eof_)
        return false;
    if (pos_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + pos_, end_ - pos_);
        end_ -= pos_;
        dropped_ += pos_;
        pos_ = 0;
    }
    if (end_ == capacity_) { // one field longer than a block
        char* grown = static_cast<char*>(std::realloc(buffer_.get(), capacity_ * 2));
        if (!grown) {
            error_ = FileError{path_, "there is not enough memory to read it"};
            eof_ = true;
            return false;
        }
        (void)buffer_.release();
        buffer_.reset(grown);
        capacity_ *= 2;
    }
    data_ = buffer_.get();
    for (;;) {
        const ssize_t got = ::read(fd_, buffer_.get() + end_, capacity_ - end_);
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

std::size_t RecordReader::find(std::size_t from, const detail::ByteSet& stops) {
    for (;;) {
        for (std::size_t i = pos_ + from; i < end_; ++i)
            if (stops[data_[i]])
                return i - pos_;
        from = end_ - pos_;
        if (from >= longestRecord_ && !eof_)
            return kTooLong;
        if (!refill())
            return end_ - pos_;
    }
}

void RecordReader::discardUntil(const detail::ByteSet& stops) {
    for (;;) {
        for (; pos_ < end_; ++pos_)
            if (stops[data_[pos_]])
                return;
        if (!refill())
            return;
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
    while (!atEnd())
        if (const std::optional<std::string_view> record = field())
            return *record;
    return {};
}

std::optional<std::string_view> RecordReader::field() {
    for (;;) {
        while (pos_ < end_ && data_[pos_] == ' ')
            ++pos_;
        if (pos_ < end_ || !refill())
            break;
    }
    if (pos_ >= end_)
        return std::string_view();

    const std::uint64_t start = dropped_ + pos_;
    const bool quoted = data_[pos_] == '"';
    const std::size_t recordStart = quoted ? 1 : 0;
    std::size_t recordEnd = find(recordStart, quoted ? detail::kQuotedFieldEnd : detail::kDelimiter);
    if (recordEnd == kTooLong) {
        // Skipped without holding it: the rest of the field is read and dropped.
        discardUntil(quoted ? detail::kQuotedFieldEnd : detail::kDelimiter);
        if (quoted && pos_ < end_ && data_[pos_] == '"') {
            ++pos_;
            discardUntil(detail::kDelimiter);
        }
        pos_ += pastDelimiter(0);
        if (skipped_.count++ == 0)
            skipped_.firstOffset = start;
        return std::nullopt;
    }
    std::size_t delimiter = recordEnd;
    bool kept = false;
    if (quoted && pos_ + recordEnd < end_ && data_[pos_ + recordEnd] == '"') {
        delimiter = find(recordEnd + 1, detail::kDelimiter);
        if (delimiter == kTooLong) {
            // The quoted record itself is whole; only what follows it is too long.
            kept_.assign(data_ + pos_ + recordStart, recordEnd - recordStart);
            kept = true;
            pos_ += recordEnd + 1;
            discardUntil(detail::kDelimiter);
            delimiter = 0;
        }
    }
    const std::size_t consumed = pastDelimiter(delimiter);
    const std::string_view record =
        kept ? std::string_view(kept_)
             : std::string_view(data_ + pos_ + recordStart, recordEnd - recordStart);
    pos_ += consumed;
    return quoted ? record : trimTrailingBlanks(record);
}

} // namespace tovrel
