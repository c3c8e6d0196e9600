#pragma once

#include <cstdint>

namespace tovrel {

// The records of a list that were too long to read, skipped and counted (see
// ReadOptions::longestRecord).
struct SkippedRecords {
    std::uint64_t count = 0;
    std::uint64_t firstOffset = 0; // in bytes from the start of the list
    std::uint64_t longest = 0;     // the longest record that is read, in bytes
};

} // namespace tovrel
