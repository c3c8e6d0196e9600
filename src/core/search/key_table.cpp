#include "core/search/key_table.h"

#include <algorithm>

namespace tovrel {

std::uint64_t& KeyTable::add(Slot& slot, std::uint64_t key) {
    if (2 * (count_ + 1) > slots_.size()) { // at most half full, so that a look-up stops soon
        std::vector<Slot> old(2 * slots_.size());
        old.swap(slots_);
        count_ = 0;
        for (const Slot& kept : old)
            if (kept.key != kFree)
                (*this)[kept.key] = kept.number;
        return (*this)[key];
    }
    ++count_;
    slot.key = key;
    return slot.number;
}

std::vector<std::uint64_t> KeyTable::keysMet() const {
    std::vector<std::uint64_t> keys;
    for (const Slot& slot : slots_)
        if (slot.key != kFree && slot.number != 0)
            keys.push_back(slot.key);
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace tovrel
