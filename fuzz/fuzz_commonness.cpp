// The commonness index on any bytes: a file that is no index, or a damaged
// one, is refused or named as damaged, and never read beyond its end; and an
// index made from any text tells each word the level the text gives it.

#include "core/search/commonness.h"
#include "fuzz_input.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <map>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

// The bytes as a file of their own, in memory, named by its path under /proc.
class MemoryFile {
public:
    explicit MemoryFile(const std::string& bytes) : fd_(::memfd_create("commonness", MFD_CLOEXEC)) {
        fuzzing::require(fd_ >= 0 &&
                             ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()),
                         "a file in memory");
    }
    ~MemoryFile() { ::close(fd_); }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

// Lines of a small alphabet, so that words repeat and level lines are common.
constexpr const char* kLines[] = {"level 10", "level 35", "level 254", "level 255", "level x",   "# note", "",
                                  "a",        "at",       "At",        "ta",        "\xE9t\xE9", "at\r"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::vector<std::string_view> asked = {"a", "at", "At", "ta", "\xE9t\xE9", "", "level"};
    std::vector<std::uint8_t> levels;

    if (input.ConsumeBool()) { // any bytes as an index
        const MemoryFile file(input.ConsumeRemainingBytesAsString());
        tovrel::Commonness commonness;
        if (!commonness.load(file.path()) && commonness.levels(asked, levels))
            fuzzing::require(levels == std::vector<std::uint8_t>(asked.size(), tovrel::Commonness::kUnknown),
                             "no word known in a damaged index");
        return 0;
    }

    std::string text;
    std::map<std::string, int> expected;
    int level = -1;
    bool fault = false;
    while (input.remaining_bytes() > 0) {
        const std::string line = kLines[input.ConsumeIntegralInRange<std::size_t>(0, std::size(kLines) - 1)];
        text += line + "\n";
        const std::string word =
            !line.empty() && line.back() == '\r' ? line.substr(0, line.size() - 1) : line;
        if (word.empty() || word[0] == '#')
            continue;
        if (word.rfind("level ", 0) == 0) {
            fault |= word == "level 255" || word == "level x";
            level = word == "level 10" ? 10 : word == "level 35" ? 35 : 254;
        } else if (level < 0) {
            fault = true;
        } else if (!expected.count(word) || expected[word] > level) {
            expected[word] = level;
        }
    }
    std::string index;
    const bool made = !tovrel::Commonness::indexOf(text, "text", index);
    fuzzing::require(made == !fault, "a text is refused exactly for a fault of its form");
    if (!made)
        return 0;
    const MemoryFile file(index);
    tovrel::Commonness fromFile, fromText;
    fuzzing::require(!fromFile.load(file.path()) && !fromText.loadText(text, "text"), "the index loads");
    std::vector<std::uint8_t> textLevels;
    fuzzing::require(!fromFile.levels(asked, levels) && !fromText.levels(asked, textLevels), "levels");
    for (std::size_t i = 0; i < asked.size(); ++i) {
        const auto known = expected.find(std::string(asked[i]));
        fuzzing::require(levels[i] ==
                             (known == expected.end() ? tovrel::Commonness::kUnknown : known->second),
                         "each word's commonest level");
    }
    fuzzing::require(levels == textLevels, "the same from the file and from the text");
    return 0;
}
