#pragma once

#include <cstddef>

namespace tovrel {

// Memory that ranking writes millions of small records into: address space
// reserved once, touched only as it is taken, in huge pages where the system
// gives them (a fresh 4 KiB page can cost as much as writing a megabyte into
// pages already there), and taken again from the start for each number of
// words of a search, so that its pages serve every one of them. Taken from
// both ends: arrays that grow from the bottom, blocks from the top.
class ReservedMemory {
public:
    // At most `capacity` bytes; none when the system will not reserve them.
    explicit ReservedMemory(std::size_t capacity);
    ~ReservedMemory();
    ReservedMemory(const ReservedMemory&) = delete;
    ReservedMemory& operator=(const ReservedMemory&) = delete;

    // `bytes` more, each aligned to 8 bytes; null when they would pass the capacity.
    void* takeFromBottom(std::size_t bytes);
    void* takeFromTop(std::size_t bytes);
    std::size_t capacity() const { return static_cast<std::size_t>(end_ - start_); }
    // Everything taken is free again.
    void giveBack() {
        bottom_ = start_;
        top_ = end_;
    }

private:
    char* mapping_ = nullptr;
    std::size_t mapped_ = 0;
    char* start_ = nullptr;
    char* end_ = nullptr;
    char* bottom_ = nullptr;
    char* top_ = nullptr;
};

} // namespace tovrel
