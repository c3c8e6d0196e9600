#pragma once

namespace tovrel {

// How the bytes of a word list stand for characters. The shipped list is
// Latin-1 (a byte's value is its character's code point); tovrel2-find also
// reads UTF-8 lists.
enum class Encoding { Latin1, Utf8 };

} // namespace tovrel
