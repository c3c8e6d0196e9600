#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

namespace tovrel {

// A number for each rank key met: an array when the keys are few, as they are
// for every usual search, else a hash table.
class KeyTable {
public:
    explicit KeyTable(std::uint64_t keys) {
        if (keys <= kMostDirect)
            direct_.assign(keys, 0);
    }
    std::uint64_t& operator[](std::uint64_t key) { return direct_.empty() ? hashed_[key] : direct_[key]; }
    // The keys whose number is not 0, in rising order.
    std::vector<std::uint64_t> keysMet() const;

private:
    static constexpr std::uint64_t kMostDirect = std::uint64_t{1} << 18;
    std::vector<std::uint64_t> direct_;
    std::unordered_map<std::uint64_t, std::uint64_t> hashed_;
};

} // namespace tovrel
