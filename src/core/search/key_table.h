#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace tovrel {

// A number for each rank key met, by open addressing: a search meets a few
// hundred or thousand keys among far more possible ones, and looks one up
// for each of millions of records. Every key but the largest number can be
// held (no rank key comes near it).
class KeyTable {
public:
    KeyTable() : slots_(kFirstSize) {}

    // The key's number, 0 when it is new.
    std::uint64_t& operator[](std::uint64_t key) {
        for (std::size_t at = slotOf(key);; at = (at + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[at];
            if (slot.key == key)
                return slot.number;
            if (slot.key == kFree)
                return add(slot, key);
        }
    }
    // The keys whose number is not 0, in rising order.
    std::vector<std::uint64_t> keysMet() const;

private:
    static constexpr std::uint64_t kFree = UINT64_MAX;
    static constexpr std::size_t kFirstSize = 1024;
    struct Slot {
        std::uint64_t key = kFree;
        std::uint64_t number = 0;
    };

    std::size_t slotOf(std::uint64_t key) const {
        return static_cast<std::size_t>(((key + 1) * 0x9E3779B97F4A7C15ull) >> 32) & (slots_.size() - 1);
    }
    std::uint64_t& add(Slot& slot, std::uint64_t key);

    std::vector<Slot> slots_;
    std::size_t count_ = 0;
};

} // namespace tovrel
