#include "core/search/key_table.h"

#include <algorithm>

namespace tovrel {

std::vector<std::uint64_t> KeyTable::keysMet() const {
    std::vector<std::uint64_t> keys;
    for (std::uint64_t key = 0; key < direct_.size(); ++key)
        if (direct_[key])
            keys.push_back(key);
    for (const auto& [key, number] : hashed_)
        if (number)
            keys.push_back(key);
    std::sort(keys.begin(), keys.end());
    return keys;
}

} // namespace tovrel
