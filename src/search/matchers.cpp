#include "search/matchers.h"

#include "search/messages.h"

namespace tovrel {

void listLowerCased(std::string_view record, std::string& out) {
    const std::size_t start = out.size();
    out.append(record);
    for (std::size_t i = start; i < out.size(); ++i)
        out[i] = static_cast<char>(toLower(detail::byte(out[i])));
    out.append(messages::kResultSeparator);
}

void listAsRead(std::string_view record, std::string& out) {
    out.append(record);
    out.append(messages::kResultSeparator);
}

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

void CompleteMatcher::list(std::string_view record, std::string& out) { listLowerCased(record, out); }

ExtendedMatcher::ExtendedMatcher(std::u32string_view typed) {
    for (const char32_t c : typed) {
        const char32_t lower = toLower(c);
        if (lower >= U'a' && lower <= U'z')
            letters_ |= std::uint32_t{1} << (lower - U'a');
    }
}

void ExtendedMatcher::list(std::string_view record, std::string& out) { listAsRead(record, out); }

PartialMatcher::PartialMatcher(std::u32string_view typed) : length_(typed.size()) {
    for (const char32_t c : typed) {
        const char32_t lower = toLower(c);
        if (lower <= 0xFF)
            member_[lower] = true;
    }
}

void PartialMatcher::list(std::string_view record, std::string& out) { listAsRead(record, out); }

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

void ExtendedPartialMatcher::list(std::string_view record, std::string& out) { listLowerCased(record, out); }

} // namespace tovrel
