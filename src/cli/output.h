#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tovrel::cli {

// Standard output (or any descriptor), buffered. The first failed write is
// kept with the system's reason; everything after it is dropped, so that the
// command can say "write error" and exit with trouble.
class Output {
public:
    explicit Output(int fd);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view bytes);
    void put(char c) { write(std::string_view(&c, 1)); }

    // Room to write into directly, for a printer that makes its lines in
    // place: at least `bytes` free from the pointer given up to end(),
    // writing out what is buffered first where need be. Hand back the end of
    // what was written with wrote(); null when writing has failed.
    char* room(std::size_t bytes);
    char* end() { return buffer_.get() + capacity_; }
    void wrote(char* end);

    // Writes what is buffered; false once any write has failed.
    bool flush();

    bool failed() const { return !reason_.empty(); }
    const std::string& reason() const { return reason_; }
    // Whether anything was written and the last byte was not a line end.
    bool inMidLine() const { return last_ != '\n'; }

private:
    void writeThrough(std::string_view bytes);

    static constexpr std::size_t kPiece = 128 * 1024;
    int fd_;
    std::unique_ptr<char[]> buffer_; // left as made: only the bytes written are touched
    std::size_t capacity_ = kPiece;
    std::size_t used_ = 0;
    std::string reason_;
    char last_ = '\n';
};

} // namespace tovrel::cli
