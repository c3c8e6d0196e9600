#include "core/search/commonness.h"

#include "core/wordlist/utf8.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <set>
#include <sys/stat.h>
#include <unistd.h>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

// A word's bit in a table of 2^`bits` bits for the words asked, about
// thirty for each: most other words miss them all.
unsigned glanceBits(std::size_t words) {
    unsigned bits = 12;
    while (bits < 18 && (std::size_t{1} << bits) < 32 * words)
        ++bits;
    return bits;
}
std::size_t glanceAt(std::string_view word, unsigned bits) {
    std::uint64_t seen = word.size();
    if (!word.empty())
        seen |= std::uint64_t{static_cast<unsigned char>(word.front())} << 16 |
                std::uint64_t{static_cast<unsigned char>(word[word.size() > 1])} << 24 |
                std::uint64_t{static_cast<unsigned char>(word.back())} << 32;
    return static_cast<std::size_t>((seen * 0x9E3779B97F4A7C15ull) >> (64 - bits));
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

// Hands each line of the file at `path` (without its line end) to `line`, a
// block at a time, until it returns false.
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
    bool going = true;
    while (!error && going) {
        const ssize_t got = ::read(fd, block.data(), block.size());
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            error = fileErrorFromErrno(path, errno);
        if (got <= 0)
            break;
        const char* at = block.data();
        const char* const end = at + got;
        // Line ends found sixteen bytes at a time: lines are short, and a
        // search asks this of every one of them.
        auto lineAt = [&](const char* lineEnd) {
            if (pending.empty()) {
                going = line(std::string_view(at, static_cast<std::size_t>(lineEnd - at)));
            } else {
                pending.append(at, lineEnd);
                going = line(pending);
                pending.clear();
            }
            at = lineEnd + 1;
        };
        const char* chunk = at;
#ifdef __SSE2__
        // Sixty-four bytes a turn, so that few turns end between lines.
        const __m128i lineFeed = _mm_set1_epi8('\n');
        for (; going && chunk + 64 <= end; chunk += 64) {
            std::uint64_t ends = 0;
            for (int part = 0; part < 4; ++part)
                ends |= std::uint64_t{static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmpeq_epi8(
                            _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk + 16 * part)), lineFeed)))}
                        << (16 * part);
            for (; going && ends; ends &= ends - 1)
                lineAt(chunk + __builtin_ctzll(ends));
        }
#endif
        for (; going && chunk < end; ++chunk)
            if (*chunk == '\n')
                lineAt(chunk);
        if (going)
            pending.append(at, end);
    }
    if (!error && going && !pending.empty())
        line(pending);
    ::close(fd);
    return error;
}

template <typename Line> void eachLineOf(std::string_view content, Line&& line) {
    bool going = true;
    while (!content.empty() && going) {
        const std::size_t end = std::min(content.find('\n'), content.size());
        going = line(content.substr(0, end));
        content.remove_prefix(std::min(end + 1, content.size()));
    }
}

} // namespace

// Hands each word of the file with its level to `take`; the first fault of
// form ends the pass with an error naming the line.
template <typename Take> std::optional<FileError> Commonness::eachWord(Take&& take) const {
    int level = -1;
    std::set<int> levels;
    std::size_t number = 0;
    std::optional<FileError> fault;
    auto line = [&](std::string_view text) {
        ++number;
        if (!text.empty() && text.back() == '\r')
            text.remove_suffix(1);
        if (text.empty() || text[0] == '#')
            return true;
        if (text[0] == 'l' && text.substr(0, kLevelLine.size()) == kLevelLine) {
            const std::optional<int> read = levelNumber(text.substr(kLevelLine.size()));
            if (!read)
                fault = FileError{name_,
                                  "line " + std::to_string(number) + ": a level is a number from 0 to 254"};
            else if (levels.insert(level = *read).second && levels.size() > kMostLevels)
                fault = FileError{name_, "it holds more than " + std::to_string(kMostLevels) + " levels"};
            return !fault;
        }
        if (level < 0) {
            fault = FileError{name_,
                              "line " + std::to_string(number) + ": a word before the first \"level\" line"};
            return false;
        }
        take(text, static_cast<std::uint8_t>(level));
        return true;
    };
    switch (source_) {
    case Source::None:
        break;
    case Source::File:
        if (auto error = eachLineOfFile(name_, line))
            return error;
        break;
    case Source::Content:
        eachLineOf(content_, line);
        break;
    }
    return fault;
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
    return latin1Levels(
        words.size(), [&](std::size_t i) { return words[i]; }, levels);
}

std::optional<FileError> Commonness::levels(const std::vector<std::string_view>& entries, Encoding encoding,
                                            std::vector<std::uint8_t>& levels) const {
    return this->levels(
        entries.size(), [&](std::size_t i) { return entries[i]; }, encoding, levels);
}

std::optional<FileError> Commonness::latin1Levels(std::size_t count, const WordAt& wordAt,
                                                  std::vector<std::uint8_t>& levels) const {
    levels.assign(count, kUnknown);
    if (source_ == Source::None || count == 0)
        return std::nullopt;
    // The words asked for, by open addressing (at most half the slots taken:
    // most look-ups are of words not asked for); a word asked twice shares a
    // slot. Small slots, since a fresh page of memory costs more than
    // comparing the few words whose glance matches.
    std::size_t capacity = 16;
    while (capacity < 2 * count)
        capacity *= 2;
    std::vector<std::uint32_t> slots(capacity, 0); // 1 + the first index of a word asked, 0 when free
    auto slotOf = [&](std::string_view word) -> std::uint32_t& {
        std::size_t at = hashOf(word) & (capacity - 1);
        while (slots[at] != 0 && wordAt(slots[at] - 1) != word)
            at = (at + 1) & (capacity - 1);
        return slots[at];
    };
    // Most lines of the file are no word asked for by a glance at them, which
    // is quicker than their hash: a bit for each word asked, by its length,
    // its first two bytes and its last.
    const unsigned bits = glanceBits(count);
    std::vector<std::uint64_t> glances((std::size_t{1} << bits) / 64, 0);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::string_view word = wordAt(i);
        std::uint32_t& slot = slotOf(word);
        if (slot == 0)
            slot = i + 1;
        const std::size_t bit = glanceAt(word, bits);
        glances[bit / 64] |= std::uint64_t{1} << (bit % 64);
    }
    auto error = eachWord([&](std::string_view word, std::uint8_t level) {
        const std::size_t bit = glanceAt(word, bits);
        if (!(glances[bit / 64] >> (bit % 64) & 1))
            return;
        if (const std::uint32_t slot = slotOf(word)) {
            std::uint8_t& known = levels[slot - 1];
            known = std::min(known, level);
        }
    });
    if (error)
        return error;
    for (std::uint32_t i = 0; i < count; ++i) // the same word asked again
        levels[i] = levels[slotOf(wordAt(i)) - 1];
    return std::nullopt;
}

std::optional<FileError> Commonness::levels(std::size_t count, const WordAt& entryAt, Encoding encoding,
                                            std::vector<std::uint8_t>& levels) const {
    if (encoding == Encoding::Latin1)
        return latin1Levels(count, entryAt, levels);
    // Spelt in Latin-1 one after another; an entry that cannot be takes no word.
    std::string spelt;
    std::vector<std::size_t> ends;
    std::vector<std::size_t> asked; // the entries that have a spelling
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view entry = entryAt(i);
        const std::size_t start = spelt.size();
        if (!isValidUtf8(entry)) { // read as Latin-1
            spelt.append(entry);
        } else if (!appendUtf8AsLatin1(entry, spelt)) {
            spelt.resize(start);
            continue;
        }
        ends.push_back(spelt.size());
        asked.push_back(i);
    }
    std::vector<std::uint8_t> known;
    auto error = latin1Levels(
        asked.size(),
        [&](std::size_t i) {
            const std::size_t start = i == 0 ? 0 : ends[i - 1];
            return std::string_view(spelt).substr(start, ends[i] - start);
        },
        known);
    if (error)
        return error;
    levels.assign(count, kUnknown);
    for (std::size_t i = 0; i < asked.size(); ++i)
        levels[asked[i]] = known[i];
    return std::nullopt;
}

} // namespace tovrel
