#include "core/search/commonness.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {
namespace {

constexpr std::string_view kLevelLine = "level ";
constexpr std::size_t kBlock = std::size_t{1} << 16;

// FNV-1a: words are short, and this is quicker than the library's hash on them.
std::size_t hashOf(std::string_view word) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    return static_cast<std::size_t>(hash ^ (hash >> 32));
}

std::optional<int> levelNumber(std::string_view digits) {
    if (digits.empty() || digits.size() > 3)
        return std::nullopt;
    int value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value >= Commonness::kUnknown)
        return std::nullopt;
    return value;
}

// Hands each line of the file at `path` (without its line end) to `line`, a block at a time.
template <typename Line> std::optional<FileError> eachLineOfFile(const std::string& path, Line&& line) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fileErrorFromErrno(path, errno);
    std::optional<FileError> error;
    struct stat status {};
    if (::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode))
        error = FileError{path, "it is a folder, not a file"};
    std::string pending; // a line that runs over the end of a block
    std::vector<char> block(kBlock);
    while (!error) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = fileErrorFromErrno(path, errno);
        if (got <= 0)
            break;
        std::string_view text(block.data(), static_cast<std::size_t>(got));
        for (std::size_t end; !error && (end = text.find('\n')) != std::string_view::npos;) {
            if (pending.empty()) {
                error = line(text.substr(0, end));
            } else {
                pending.append(text.substr(0, end));
                error = line(pending);
                pending.clear();
            }
            text.remove_prefix(end + 1);
        }
        pending.append(text);
    }
    if (!error && !pending.empty())
        error = line(pending);
    ::close(fd);
    return error;
}

template <typename Line> std::optional<FileError> eachLineOf(std::string_view content, Line&& line) {
    std::optional<FileError> error;
    while (!content.empty() && !error) {
        const std::size_t end = std::min(content.find('\n'), content.size());
        error = line(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
    }
    return error;
}

} // namespace

// Hands each word of the file with its level to `take`; the first fault of
// form ends the pass with an error naming the line.
template <typename Take> std::optional<FileError> Commonness::eachWord(Take&& take) const {
    std::optional<int> level;
    std::set<int> levels;
    std::size_t number = 0;
    auto line = [&](std::string_view text) -> std::optional<FileError> {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (text.empty() || text[0] == '#')
            return std::nullopt;
        if (text.substr(0, kLevelLine.size()) == kLevelLine) {
            level = levelNumber(text.substr(kLevelLine.size()));
            if (!level)
                return FileError{name_,
                                 "line " + std::to_string(number) + ": a level is a number from 0 to 254"};
            if (levels.insert(*level).second && levels.size() > kMostLevels)
                return FileError{name_, "it holds more than " + std::to_string(kMostLevels) + " levels"};
            return std::nullopt;
        }
        if (!level)
            return FileError{name_,
                             "line " + std::to_string(number) + ": a word before the first \"level\" line"};
        take(text, static_cast<std::uint8_t>(*level));
        return std::nullopt;
    };
    switch (source_) {
    case Source::None:
        return std::nullopt;
    case Source::File:
        return eachLineOfFile(name_, line);
    case Source::Content:
        return eachLineOf(content_, line);
    }
    return std::nullopt;
}

std::optional<FileError> Commonness::load(const std::string& path) {
    *this = Commonness();
    source_ = Source::File;
    name_ = path;
    if (auto error = eachWord([](std::string_view, std::uint8_t) {})) {
        *this = Commonness();
        return error;
    }
    return std::nullopt;
}

std::optional<FileError> Commonness::load(std::string content, const std::string& name) {
    *this = Commonness();
    source_ = Source::Content;
    name_ = name;
    content_ = std::move(content);
    if (auto error = eachWord([](std::string_view, std::uint8_t) {})) {
        *this = Commonness();
        return error;
    }
    return std::nullopt;
}

std::optional<FileError> Commonness::levels(const std::vector<std::string_view>& words,
                                            std::vector<std::uint8_t>& levels) const {
    levels.assign(words.size(), kUnknown);
    if (source_ == Source::None || words.empty())
        return std::nullopt;
    // The words asked for, by open addressing; the same word asked twice shares a slot.
    std::size_t capacity = 16;
    while (capacity < 2 * words.size())
        capacity *= 2;
    std::vector<std::uint32_t> slots(capacity, 0); // 1 + the first index of the word, 0 when free
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        std::size_t slot = hashOf(words[i]) & (capacity - 1);
        while (slots[slot] != 0 && words[slots[slot] - 1] != words[i])
            slot = (slot + 1) & (capacity - 1);
        if (slots[slot] == 0)
            slots[slot] = i + 1;
    }
    auto error = eachWord([&](std::string_view word, std::uint8_t level) {
        for (std::size_t slot = hashOf(word) & (capacity - 1); slots[slot] != 0;
             slot = (slot + 1) & (capacity - 1))
            if (words[slots[slot] - 1] == word) {
                std::uint8_t& known = levels[slots[slot] - 1];
                known = std::min(known, level);
                return;
            }
    });
    if (error)
        return error;
    for (std::uint32_t i = 0; i < words.size(); ++i) { // the same word asked again
        std::size_t slot = hashOf(words[i]) & (capacity - 1);
        while (words[slots[slot] - 1] != words[i])
            slot = (slot + 1) & (capacity - 1);
        levels[i] = levels[slots[slot] - 1];
    }
    return std::nullopt;
}

} // namespace tovrel
