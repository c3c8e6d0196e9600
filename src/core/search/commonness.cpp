#include "core/search/commonness.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {
namespace {

constexpr std::string_view kLevelLine = "level ";
constexpr std::size_t kBlock = std::size_t{1} << 14;

// Eight bytes at a time: every line of the file is hashed in a search, and
// words are short.
std::size_t hashOf(std::string_view word) {
    std::uint64_t hash = 0x9E3779B97F4A7C15ull ^ word.size();
    const char* bytes = word.data();
    for (std::size_t left = word.size(); left > 0;) {
        std::uint64_t chunk = 0;
        const std::size_t taken = std::min<std::size_t>(left, 8);
        std::memcpy(&chunk, bytes, taken);
        hash = (hash ^ chunk) * 0xFF51AFD7ED558CCDull;
        hash ^= hash >> 32;
        bytes += taken;
        left -= taken;
    }
    return static_cast<std::size_t>(hash);
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
        if (text[0] == 'l' && text.substr(0, kLevelLine.size()) == kLevelLine) {
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
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return fileErrorFromErrno(path, errno);
    struct stat status {};
    const bool folder = ::fstat(fd, &status) == 0 && S_ISDIR(status.st_mode);
    ::close(fd);
    if (folder)
        return FileError{path, "it is a folder, not a file"};
    source_ = Source::File;
    name_ = path;
    return std::nullopt;
}

void Commonness::load(std::string content, const std::string& name) {
    source_ = Source::Content;
    name_ = name;
    content_ = std::move(content);
}

std::optional<FileError> Commonness::levels(const std::vector<std::string_view>& words,
                                            std::vector<std::uint8_t>& levels) const {
    levels.assign(words.size(), kUnknown);
    if (source_ == Source::None || words.empty())
        return std::nullopt;
    // The words asked for, by open addressing, each slot with its word's hash
    // so that most probes compare no text; a word asked twice shares a slot.
    struct Slot {
        std::uint32_t hash; // the low bits of the word's hash
        std::uint32_t word; // 1 + the first index of the word, 0 when free
    };
    std::size_t capacity = 16;
    while (capacity < 2 * words.size())
        capacity *= 2;
    std::vector<Slot> slots(capacity, Slot{0, 0});
    auto slotOf = [&](std::string_view word) -> Slot& {
        const std::size_t hash = hashOf(word);
        std::size_t at = hash & (capacity - 1);
        while (slots[at].word != 0 &&
               (slots[at].hash != static_cast<std::uint32_t>(hash) || words[slots[at].word - 1] != word))
            at = (at + 1) & (capacity - 1);
        slots[at].hash = static_cast<std::uint32_t>(hash);
        return slots[at];
    };
    // Most lines of the file are no word asked for by their length or first
    // letter alone, which is quicker to tell than their hash.
    std::uint64_t lengths = 0; // bit n for a word of n bytes, the last bit for any longer one
    std::array<bool, 256> firsts{};
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        Slot& slot = slotOf(words[i]);
        if (slot.word == 0)
            slot.word = i + 1;
        lengths |= std::uint64_t{1} << std::min<std::size_t>(words[i].size(), 63);
        if (!words[i].empty())
            firsts[static_cast<unsigned char>(words[i][0])] = true;
    }
    auto error = eachWord([&](std::string_view word, std::uint8_t level) {
        if (!(lengths >> std::min<std::size_t>(word.size(), 63) & 1) ||
            !firsts[static_cast<unsigned char>(word[0])])
            return;
        const std::size_t hash = hashOf(word);
        for (std::size_t at = hash & (capacity - 1); slots[at].word != 0; at = (at + 1) & (capacity - 1))
            if (slots[at].hash == static_cast<std::uint32_t>(hash) && words[slots[at].word - 1] == word) {
                std::uint8_t& known = levels[slots[at].word - 1];
                known = std::min(known, level);
                return;
            }
    });
    if (error)
        return error;
    for (std::uint32_t i = 0; i < words.size(); ++i) // the same word asked again
        levels[i] = levels[slotOf(words[i]).word - 1];
    return std::nullopt;
}

} // namespace tovrel
