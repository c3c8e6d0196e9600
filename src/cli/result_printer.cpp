#include "cli/result_printer.h"

#include "cli/find_mode.h"
#include "cli/output.h"
#include "core/search/messages.h"

#include <nlohmann/json.hpp>

namespace tovrel::cli {

ResultPrinter::ResultPrinter(Output& out, const Invocation& invocation)
    : out_(out), invocation_(invocation) {}

void ResultPrinter::header(std::string_view word) {
    if (invocation_.format == Format::Json)
        return;
    out_.write(word);
    out_.put(':');
    out_.put(invocation_.format == Format::Null ? '\0' : '\n');
}

void ResultPrinter::match(std::string_view utf8) {
    switch (invocation_.format) {
    case Format::Lines:
        out_.write(utf8);
        out_.put('\n');
        break;
    case Format::Null:
        out_.write(utf8);
        out_.put('\0');
        break;
    case Format::Box:
        out_.write(utf8);
        out_.write(messages::kResultSeparator);
        break;
    case Format::Json:
        gathered_.emplace_back(utf8);
        break;
    }
}

void ResultPrinter::finish(std::string_view word, std::uint64_t count) {
    if (invocation_.format == Format::Json) {
        nlohmann::ordered_json document;
        document["mode"] = invocation_.mode->name;
        document["word"] = word;
        document["count"] = count;
        if (!invocation_.countOnly)
            document["words"] = std::move(gathered_);
        gathered_.clear();
        out_.write(document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
        out_.put('\n');
        return;
    }
    if (invocation_.countOnly) {
        out_.write(std::to_string(count));
        out_.put('\n');
    } else if (invocation_.format == Format::Box) {
        if (count == 0)
            out_.write(messages::kNoResult);
        out_.put('\n');
    }
}

} // namespace tovrel::cli
