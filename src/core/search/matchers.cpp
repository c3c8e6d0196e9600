#include "core/search/matchers.h"

namespace tovrel {

CompleteMatcher::CompleteMatcher(std::u32string_view typed) {
    for (const char32_t c : typed) {
        if (c == U' ')
            continue;
        const char32_t lower = toLower(c);
        if (lower < U'a' || lower > U'{') {
            refused_ = true;
            counts_ = {};
            length_ = 0;
            return;
        }
        ++counts_[lower - U'a'];
        ++length_;
    }
}

ExtendedMatcher::ExtendedMatcher(std::u32string_view typed) {
    for (const char32_t c : typed) {
        const char32_t lower = toLower(c);
        if (lower >= U'a' && lower <= U'z')
            letters_ |= std::uint32_t{1} << (lower - U'a');
    }
}

PartialMatcher::PartialMatcher(std::u32string_view typed) : length_(typed.size()) {
    for (const char32_t c : typed) {
        const char32_t lower = toLower(c);
        if (lower <= 0xFF)
            member_[lower] = true;
    }
}

ExtendedPartialMatcher::ExtendedPartialMatcher(std::u32string_view typed) : length_(typed.size()) {
    std::array<bool, 256> member{};
    for (const char32_t c : typed) {
        const char32_t lower = toLower(c);
        if (lower <= 0xFF)
            member[lower] = true;
    }
    for (int c = 0; c < 256; ++c)
        memberAnyCase_[c] = member[toLower(static_cast<unsigned char>(c))];
}

} // namespace tovrel
