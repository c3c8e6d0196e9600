#include "core/search/reserved_memory.h"

#include <cstdint>
#include <sys/mman.h>

namespace tovrel {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

std::size_t rounded(std::size_t bytes) {
    return (bytes + 7) & ~std::size_t{7};
}

} // namespace

ReservedMemory::ReservedMemory(std::size_t capacity) {
    capacity = rounded(capacity); // so that all of it can be taken in one piece
    if (capacity == 0)
        return;
    // Reserved, not committed: only the pages written are ever given to the
    // program. Whole huge pages, since a part of one is given in small pages.
    const std::size_t huge = (capacity + kHugePage - 1) & ~(kHugePage - 1);
    mapped_ = huge + kHugePage;
    void* mapping =
        ::mmap(nullptr, mapped_, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapping == MAP_FAILED) {
        mapped_ = 0;
        return;
    }
    mapping_ = static_cast<char*>(mapping);
    // Huge pages need their alignment; without them the memory is only slower to fault in.
    start_ = reinterpret_cast<char*>((reinterpret_cast<std::uintptr_t>(mapping_) + kHugePage - 1) &
                                     ~std::uintptr_t{kHugePage - 1});
    end_ = start_ + capacity;
#ifdef MADV_HUGEPAGE
    ::madvise(start_, huge, MADV_HUGEPAGE);
#endif
    giveBack();
}

ReservedMemory::~ReservedMemory() {
    if (mapping_)
        ::munmap(mapping_, mapped_);
}

void* ReservedMemory::takeFromBottom(std::size_t bytes) {
    const std::size_t free = static_cast<std::size_t>(top_ - bottom_);
    if (bytes > free || (bytes = rounded(bytes)) > free)
        return nullptr;
    void* taken = bottom_;
    bottom_ += bytes;
    return taken;
}

void* ReservedMemory::takeFromTop(std::size_t bytes) {
    const std::size_t free = static_cast<std::size_t>(top_ - bottom_);
    if (bytes > free || (bytes = rounded(bytes)) > free)
        return nullptr;
    top_ -= bytes;
    return top_;
}

} // namespace tovrel
