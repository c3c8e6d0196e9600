#pragma once

#include "core/search/found.h"

#include <string>
#include <string_view>
#include <vector>

// Writes result lines to a file descriptor as tovrel2-find prints them: the
// words of a line separated by a blank, the alternatives of a grouped word by
// "/", a line feed after each line, in UTF-8, in blocks of 128 KiB.
class LineWriter : public tovrel::FoundSink {
public:
    explicit LineWriter(int fd) : fd_(fd), buffer_(kBlock) {}
    ~LineWriter() override { flush(); }
    LineWriter(const LineWriter&) = delete;
    LineWriter& operator=(const LineWriter&) = delete;

    bool add(const tovrel::FoundWord* words, std::size_t count) override;
    // A run of lines shares all words but the last: those are formed once.
    bool addEach(const tovrel::FoundWord* words, std::size_t count) override;
    // One line of plain words.
    bool add(const std::string_view* words, std::size_t count);
    // Writes what is buffered; false after a failed write (errno tells why).
    bool flush();

private:
    static constexpr std::size_t kBlock = std::size_t{1} << 17;
    // A prefix this short is copied whole in one move, whatever its length.
    static constexpr std::size_t kShortPrefix = 32;
    // Room for `bytes` more, flushing first when the block is full.
    bool reserve(std::size_t bytes) { return used_ + bytes <= buffer_.size() || makeRoom(bytes); }
    bool makeRoom(std::size_t bytes);
    void append(std::string_view latin1);
    void append(const tovrel::FoundWord& word);
    bool endLine();

    int fd_;
    bool failed_ = false;
    std::vector<char> buffer_;
    std::size_t used_ = 0;
    std::string prefix_; // the start of a run's lines while a block is written
};
