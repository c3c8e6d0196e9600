// The record reader over any bytes, from memory and from a file read in small
// blocks, record by record and in whole passes: it always ends, stays inside
// its bytes, and gives the records of the plain reader.

#include "core/wordlist/record_reader.h"
#include "fuzz_input.h"
#include "reference.h"

#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

// The records one after another, each behind its length: one string to compare
// rather than a string per record, which keeps the run fast.
class Records {
public:
    void add(std::string_view record) {
        const std::size_t length = record.size();
        text_.append(reinterpret_cast<const char*>(&length), sizeof length);
        text_.append(record);
        ++count_;
    }
    std::size_t count() const { return count_; }
    bool operator==(const Records& other) const { return text_ == other.text_; }

private:
    std::string text_;
    std::size_t count_ = 0;
};

// The first `byHand` records through next(), the rest in one forEachRecord pass.
Records readAll(tovrel::RecordReader& reader, std::size_t byHand, std::size_t size) {
    Records records;
    while (records.count() < byHand && !reader.atEnd()) {
        records.add(reader.next());
        // Every record but the last takes at least its delimiter.
        fuzzing::require(records.count() <= size, "next() moves on");
    }
    reader.forEachRecord([&](std::string_view record) {
        records.add(record);
        fuzzing::require(records.count() <= size, "forEachRecord moves on");
    });
    fuzzing::require(reader.atEnd(), "at the end after a whole pass");
    fuzzing::require(reader.next().empty(), "an empty record at the end");
    return records;
}

// A file that lives in memory, rewritten for each input and opened by its path.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("dictionary.txt", 0)), path_("/proc/self/fd/" + std::to_string(fd_)) {}
    const std::string& hold(std::string_view content) {
        fuzzing::require(::ftruncate(fd_, 0) == 0, "memory file emptied");
        fuzzing::require(::pwrite(fd_, content.data(), content.size(), 0) ==
                             static_cast<ssize_t>(content.size()),
                         "memory file written");
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    Records expected;
    for (const std::string& record : reference::records(content))
        expected.add(record);
    // Record by record, in one pass, and a mix of both.
    const std::size_t mix[] = {expected.count(), 0, 1 + size % 5};
    for (const std::size_t each : mix) {
        tovrel::RecordReader reader(content);
        fuzzing::require(readAll(reader, each, size) == expected, "records from memory");
    }

    // From a file, in blocks small enough to put line ends and quotes on their
    // edges, yet few: reading a file costs most of a run, and for the same
    // reason each input takes one way through it. The way and the block size
    // vary with the input's length, so that the fuzzer reaches them all.
    static MemoryFile file;
    tovrel::RecordReader reader;
    fuzzing::require(!reader.open(file.hold(content), {16 + size % 97 + size / 16}), "file opened");
    fuzzing::require(readAll(reader, mix[size % 3], size) == expected, "records from a file in small blocks");
    fuzzing::require(!reader.error(), "no read error");
    return 0;
}
