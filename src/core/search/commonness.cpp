#include "core/search/commonness.h"

#include "core/search/reserved_memory.h"
#include "core/wordlist/file_to_read.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace tovrel {
namespace {

constexpr std::string_view kLevelLine = "level ";
constexpr std::string_view kMagic = "TVRLCMN1";
// The magic and the bits of the bucket count.
constexpr std::size_t kHeader = 12;
constexpr unsigned kMostBucketBits = 24;
// Far beyond any list's: the shipped one's index is under 2 MB.
constexpr std::size_t kLargestIndex = std::size_t{256} << 20;

std::uint32_t readLittle32(const char* at) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(at);
    return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
           std::uint32_t{bytes[3]} << 24;
}

void appendLittle32(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<char>(value >> shift & 0xFF));
}

// FNV-1a: defined byte by byte, so an index made on one machine is read alike on any other.
std::uint64_t hashOf(std::string_view word) {
    std::uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : word)
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ull;
    return hash;
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

struct LeveledWord {
    std::string_view word;
    std::uint8_t level;
};

// The words of the text form with their levels, in the order written; the
// first fault of form ends it with an error naming the line.
std::optional<FileError> wordsOfText(std::string_view text, const std::string& name,
                                     std::vector<LeveledWord>& words) {
    int level = -1;
    std::set<int> levels;
    for (std::size_t number = 1; !text.empty(); ++number) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        auto fault = [&](const std::string& what) {
            return FileError{name, "line " + std::to_string(number) + ": " + what};
        };
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line[0] == '#')
            continue;
        if (line.substr(0, kLevelLine.size()) == kLevelLine) {
            const std::optional<int> read = levelNumber(line.substr(kLevelLine.size()));
            if (!read)
                return fault("a level is a number from 0 to 254");
            if (levels.insert(level = *read).second && levels.size() > Commonness::kMostLevels)
                return FileError{name,
                                 "it holds more than " + std::to_string(Commonness::kMostLevels) + " levels"};
        } else if (level < 0) {
            return fault("a word before the first \"level\" line");
        } else if (line.size() > Commonness::kLongestWord) {
            return fault("a word is at most " + std::to_string(Commonness::kLongestWord) + " bytes");
        } else {
            words.push_back({line, static_cast<std::uint8_t>(level)});
        }
    }
    return std::nullopt;
}

} // namespace

Commonness::Commonness() = default;

Commonness::~Commonness() {
    forget();
}

void Commonness::forget() {
    read_.reset();
    built_.clear();
    index_ = {};
    bucketMask_ = 0;
}

void Commonness::use(std::string_view index, const std::string& name) {
    name_ = name;
    index_ = index;
    bucketMask_ = (std::size_t{1} << readLittle32(index.data() + kMagic.size())) - 1;
}

std::optional<FileError> Commonness::indexOf(std::string_view text, const std::string& name,
                                             std::string& index) {
    std::vector<LeveledWord> words;
    if (auto fault = wordsOfText(text, name, words))
        return fault;
    // A word listed twice keeps its commonest level, once.
    std::stable_sort(words.begin(), words.end(),
                     [](const LeveledWord& a, const LeveledWord& b) { return a.word < b.word; });
    std::vector<LeveledWord> kept;
    for (const LeveledWord& word : words) {
        if (!kept.empty() && kept.back().word == word.word)
            kept.back().level = std::min(kept.back().level, word.level);
        else
            kept.push_back(word);
    }
    // Two or three words a bucket: a look-up reads few bytes beyond the word's.
    unsigned bits = 4;
    while (bits < kMostBucketBits && 3 * (std::size_t{1} << bits) < kept.size())
        ++bits;
    const std::size_t mask = (std::size_t{1} << bits) - 1;
    std::stable_sort(kept.begin(), kept.end(), [&](const LeveledWord& a, const LeveledWord& b) {
        return (hashOf(a.word) & mask) < (hashOf(b.word) & mask);
    });
    std::string buckets;
    std::size_t next = 0;
    index.assign(kMagic);
    appendLittle32(index, bits);
    for (std::size_t bucket = 0; bucket <= mask; ++bucket) {
        for (; next < kept.size() && (hashOf(kept[next].word) & mask) == bucket; ++next) {
            buckets.push_back(static_cast<char>(kept[next].level));
            buckets.push_back(static_cast<char>(kept[next].word.size()));
            buckets.append(kept[next].word);
        }
        appendLittle32(index, static_cast<std::uint32_t>(buckets.size()));
    }
    index.append(buckets);
    return std::nullopt;
}

std::optional<FileError> Commonness::loadText(std::string_view text, const std::string& name) {
    forget();
    std::string index;
    if (auto fault = indexOf(text, name, index))
        return fault;
    built_ = std::move(index);
    use(built_, name);
    return std::nullopt;
}

std::optional<FileError> Commonness::load(const std::string& path) {
    forget();
    int fd = -1;
    struct stat status {};
    std::optional<FileError> error = openToRead(path, false, fd, status);
    if (error)
        return error;
    if (static_cast<std::size_t>(status.st_size) < kHeader)
        error = FileError{path, "it is not a commonness index"};
    else if (static_cast<std::size_t>(status.st_size) > kLargestIndex)
        error = FileError{path, "it is too large to be a commonness index"};
    const std::size_t size = error ? 0 : static_cast<std::size_t>(status.st_size);
    // Read into huge pages rather than mapped: a search looks up words all
    // over the index, and one page of the processor's map for the whole of
    // it saves more than copying it costs.
    char* bytes = nullptr;
    if (!error) {
        read_ = std::make_unique<ReservedMemory>(size);
        bytes = static_cast<char*>(read_->takeFromBottom(size));
        if (!bytes) {
            built_.resize(size);
            bytes = built_.data();
        }
    }
    for (std::size_t got = 0; !error && got < size;) {
        const ssize_t more = ::pread(fd, bytes + got, size - got, static_cast<off_t>(got));
        if (more < 0 && errno == EINTR)
            continue;
        if (more < 0)
            error = fileErrorFromErrno(path, errno);
        else if (more == 0)
            error = FileError{path, "it was cut short while being read"};
        else
            got += static_cast<std::size_t>(more);
    }
    ::close(fd);
    const unsigned bits = error ? 0 : readLittle32(bytes + kMagic.size());
    if (!error && (std::string_view(bytes, kMagic.size()) != kMagic || bits > kMostBucketBits ||
                   size < kHeader + (std::size_t{4} << bits)))
        error = FileError{path, "it is not a commonness index"};
    if (error) {
        forget();
        return error;
    }
    use(std::string_view(bytes, size), path);
    return std::nullopt;
}

std::optional<std::uint8_t> Commonness::levelOf(std::string_view word) const {
    if (index_.empty() || word.size() > kLongestWord)
        return kUnknown;
    // Every offset is checked against the index's end: a damaged index gives an error, never a bad read.
    const std::size_t bucket = hashOf(word) & bucketMask_;
    const char* const ends = index_.data() + kHeader;
    const char* const words = ends + 4 * (bucketMask_ + 1);
    const std::size_t wordsSize = index_.size() - kHeader - 4 * (bucketMask_ + 1);
    std::size_t at = bucket == 0 ? 0 : readLittle32(ends + 4 * (bucket - 1));
    const std::size_t end = readLittle32(ends + 4 * bucket);
    if (at > end || end > wordsSize)
        return std::nullopt;
    while (at < end) {
        if (end - at < 2)
            return std::nullopt;
        const std::size_t length = static_cast<unsigned char>(words[at + 1]);
        if (end - at - 2 < length)
            return std::nullopt;
        if (length == word.size() && std::memcmp(words + at + 2, word.data(), length) == 0)
            return static_cast<std::uint8_t>(words[at]);
        at += 2 + length;
    }
    return kUnknown;
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
    levels.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::optional<std::uint8_t> level = levelOf(wordAt(i));
        if (!level) {
            levels.assign(count, kUnknown);
            return FileError{name_, "it is damaged"};
        }
        levels[i] = *level;
    }
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
