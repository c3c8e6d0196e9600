#include "cli/found_printer.h"

#include "cli/output.h"

#include <cstring>
#include <nlohmann/json.hpp>

namespace tovrel::cli {
namespace {

// Room asked of the output at a time, and what is kept free at its end: an
// entry of up to kFoundTextPadding bytes is copied whole, then a separator.
constexpr std::size_t kRoom = 1 << 12;
constexpr std::size_t kSlack = 2 * kFoundTextPadding;

} // namespace

FoundPrinter::FoundPrinter(Output& out, Format format, Shape shape)
    : out_(out), format_(format), shape_(shape), layout_{' ', '/', format == Format::Null ? '\0' : '\n'} {}

const FoundTextLayout* FoundPrinter::textLayout() const {
    return format_ == Format::Json ? nullptr : &layout_;
}

char* FoundPrinter::textRoom(std::size_t bytes, char*& end) {
    char* room = out_.room(bytes + kFoundTextPadding);
    end = out_.end();
    return room;
}

bool FoundPrinter::textWritten(char* end) {
    out_.wrote(end);
    return !out_.failed();
}

bool FoundPrinter::addLines(const FoundWord* words, std::size_t count, std::size_t lines) {
    if (format_ != Format::Json)
        return printText(words, count, lines);
    for (std::size_t line = 0; line < lines; ++line)
        if (!printJson(words + line * count, count))
            return false;
    return true;
}

bool FoundPrinter::printText(const FoundWord* words, std::size_t count, std::size_t lines) {
    char* at = out_.room(kRoom);
    if (!at)
        return false;
    char* limit = out_.end() - kSlack;
    for (const FoundWord* word = words; word != words + lines * count;) {
        for (const FoundWord* lineEndsAt = word + count; word != lineEndsAt; ++word) {
            for (std::size_t e = 0; e < word->count; ++e) {
                const std::string_view entry = word->entries[e];
                if (entry.size() <= kFoundTextPadding && at <= limit) {
                    std::memcpy(at, entry.data(), kFoundTextPadding);
                    at += entry.size();
                } else { // a long entry or a full buffer: through the output as it is
                    out_.wrote(at);
                    out_.write(entry);
                    if (!(at = out_.room(kRoom)))
                        return false;
                    limit = out_.end() - kSlack;
                }
                *at++ = layout_.alternativeSeparator;
            }
            at[-1] = layout_.wordSeparator;
        }
        at[-1] = layout_.lineEnd;
    }
    out_.wrote(at);
    return !out_.failed();
}

bool FoundPrinter::printJson(const FoundWord* words, std::size_t count) {
    nlohmann::ordered_json result;
    if (shape_ == Shape::Word) {
        result["word"] = words[0].entries[0];
    } else {
        nlohmann::ordered_json& list = result["words"] = nlohmann::ordered_json::array();
        for (std::size_t w = 0; w < count; ++w) {
            if (shape_ == Shape::Words) {
                list.push_back(words[w].entries[0]);
                continue;
            }
            nlohmann::ordered_json alternatives = nlohmann::ordered_json::array();
            for (std::size_t e = 0; e < words[w].count; ++e)
                alternatives.push_back(words[w].entries[e]);
            list.push_back(std::move(alternatives));
        }
    }
    out_.write(result.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
    out_.put('\n');
    return !out_.failed();
}

} // namespace tovrel::cli
