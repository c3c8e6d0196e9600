// Append, then read back: a word the appender takes comes back exactly as typed
// after every old record, unchanged; a word it refuses leaves the file as it was.

#include "core/wordlist/record_appender.h"
#include "core/wordlist/record_reader.h"
#include "fuzz_input.h"
#include "reference.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using Records = std::vector<std::string>;

// A folder of its own for the list, removed when the run ends.
class ScratchList {
public:
    ScratchList() {
        const char* root = std::getenv("TMPDIR");
        folder_ = std::string(root && *root ? root : "/tmp") + "/tovrel-fuzz-XXXXXX";
        fuzzing::require(::mkdtemp(folder_.data()) != nullptr, "scratch folder made");
        path_ = folder_ + "/dictionary.txt";
    }
    ~ScratchList() {
        ::unlink(path_.c_str());
        ::rmdir(folder_.c_str());
    }
    const std::string& path() const { return path_; }

private:
    std::string folder_;
    std::string path_;
};

bool exists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

std::string contentOf(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

Records recordsOf(const std::string& path) {
    tovrel::RecordReader reader;
    fuzzing::require(!reader.open(path, {16}), "list opened");
    Records records;
    reader.forEachRecord([&](std::string_view record) { records.emplace_back(record); });
    return records;
}

bool storable(std::u32string_view word) {
    for (const char32_t c : word)
        if (c == '"' || c == '\r' || c == '\n' || c > 0xFF)
            return false;
    return true;
}

bool endsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static const ScratchList list;
    const std::string& path = list.path();
    ::unlink(path.c_str());

    FuzzedDataProvider input(data, size);
    const bool missing = input.ConsumeBool();
    const std::u32string word = fuzzing::typedWord(input.ConsumeRandomLengthString());
    const std::string old = missing ? std::string() : input.ConsumeRemainingBytesAsString();
    if (!missing)
        std::ofstream(path, std::ios::binary) << old;

    const Records oldRecords = missing ? Records() : recordsOf(path);
    const Records oldByHand = reference::records(old);
    const auto error = tovrel::appendRecord(path, word);

    if (!storable(word)) {
        fuzzing::require(error.has_value(), "an unstorable word is refused");
        fuzzing::require(exists(path) != missing, "a refused word creates no file");
        fuzzing::require(missing || contentOf(path) == old, "a refused word leaves the file byte for byte");
        return 0;
    }
    fuzzing::require(!error.has_value(), "a storable word is appended");

    const std::string typed = fuzzing::latin1Part(word);
    const std::string after = contentOf(path);
    fuzzing::require(after.compare(0, old.size(), old) == 0, "the old bytes stay as they were");
    fuzzing::require(endsWith(after, "\"" + typed + "\"\r\n"), "the word is written quoted, with CR LF");

    Records expected = oldRecords;
    expected.push_back(typed);
    fuzzing::require(recordsOf(path) == expected, "old records unchanged, then the word as typed");
    Records expectedByHand = oldByHand;
    expectedByHand.push_back(typed);
    fuzzing::require(reference::records(after) == expectedByHand, "the same by the plain reader");
    return 0;
}
