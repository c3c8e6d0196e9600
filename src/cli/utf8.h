#pragma once

#include <string>
#include <string_view>

namespace tovrel {

// UTF-8 to code points; a malformed sequence becomes U+FFFD.
std::u32string decodeUtf8(std::string_view text);
// Latin-1 bytes to UTF-8.
std::string latin1ToUtf8(std::string_view text);

} // namespace tovrel
