#pragma once

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
    // Writes what is buffered; false once any write has failed.
    bool flush();

    bool failed() const { return !reason_.empty(); }
    const std::string& reason() const { return reason_; }
    // Whether anything was written and the last byte was not a line end.
    bool inMidLine() const { return last_ != '\n'; }

private:
    void writeThrough(std::string_view bytes);

    static constexpr std::size_t kPiece = 64 * 1024;
    int fd_;
    std::string pending_;
    std::string reason_;
    char last_ = '\n';
};

} // namespace tovrel::cli
