#pragma once

#include <string>
#include <string_view>

namespace tovrel {

// UTF-8 to code points; a malformed sequence becomes U+FFFD.
std::u32string decodeUtf8(std::string_view text);
// Appends Latin-1 bytes to `out` as UTF-8.
void appendLatin1AsUtf8(std::string_view text, std::string& out);

} // namespace tovrel
