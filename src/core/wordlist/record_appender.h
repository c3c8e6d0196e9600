#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tovrel {

// Why a word was not appended.
struct AppendError {
    enum class Kind { DoubleQuote, LineBreak, NotLatin1, File };
    Kind kind;
    std::string reason; // a sentence for the user, without a full stop
};

// Whether the word can be stored so that it reads back exactly as typed.
std::optional<AppendError> checkAppendable(std::u32string_view word);

// Appends the word to the list as a quoted record ending in CR LF. When the
// file does not end with a line end, one is written first, so that the last
// word of the list stays whole; after a final comma that ends a field, which
// already opens the next record, the new record follows it directly. Every old
// record reads back as it was. A missing file is created. On any failure the
// file is left as it was and the error says why.
std::optional<AppendError> appendRecord(const std::string& path, std::u32string_view word);

} // namespace tovrel
