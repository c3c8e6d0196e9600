#include "core/search/found.h"

namespace tovrel {

bool FoundSink::addLines(const FoundWord* words, std::size_t count, std::size_t lines) {
    for (std::size_t line = 0; line < lines; ++line)
        if (!add(words + line * count, count))
            return false;
    return true;
}

char* FoundSink::textRoom(std::size_t, char*&) {
    return nullptr;
}

bool FoundSink::textWritten(char*) {
    return false;
}

void FindOutcome::addSkipped(const SkippedRecords& file, const std::string& name) {
    if (file.count == 0)
        return;
    if (skipped.count == 0) {
        skipped = file;
        skippedIn = name;
    } else {
        skipped.count += file.count;
    }
}

} // namespace tovrel
