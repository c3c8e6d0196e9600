#pragma once

#include "core/search/found.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Writes result lines to a file descriptor as tovrel2-find prints them: the
// words of a line separated by a blank, the alternatives of a grouped word by
// "/", a line feed after each line, in UTF-8, in blocks of 128 KiB. A writer
// serves one search.
class LineWriter : public tovrel::FoundSink {
public:
    explicit LineWriter(int fd) : fd_(fd), buffer_(new char[kBlock]), size_(kBlock) {}
    ~LineWriter() override { flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool add(const tovrel::FoundWord* words, std::size_t count) override;
    // A run of lines shares all words but the last: those are formed once,
    // and not again for the next run where it starts with the same words.
    bool addEach(const tovrel::FoundWord* words, std::size_t count);
    // One line of plain words.
    bool add(const std::string_view* words, std::size_t count);
    // Writes what is buffered; false after a failed write (errno tells why).
    bool flush();

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 17;
    // A prefix this short is copied whole in one move, whatever its length.
    static constexpr std::size_t kShortPrefix = 32;
    // Room for `bytes` more, flushing first when the block is full.
    bool reserve(std::size_t bytes) { return used_ + bytes <= size_ || makeRoom(bytes); }
    bool makeRoom(std::size_t bytes);
    void append(std::string_view latin1);
    void append(const tovrel::FoundWord& word);
    bool endLine();

    int fd_;
    bool failed_ = false;
    std::unique_ptr<char[]> buffer_; // left as made: only the bytes written are touched
    std::size_t size_;
    std::size_t used_ = 0;
    // The words before the last of the run before, their text with a blank
    // after each (and kShortPrefix bytes to spare), and where each ends.
    std::vector<tovrel::FoundWord> runWords_;
    std::vector<char> runText_;
    std::vector<std::size_t> runEnds_;
};
