#include "cli/search_input.h"

#include "cli/find_mode.h"
#include "cli/invocation.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

namespace tovrel::cli {

std::u32string codePoints(const std::string& utf8) {
    std::u32string out;
    appendUtf8CodePoints(utf8, out);
    return out;
}

SearchOptions searchOptions(const Invocation& invocation) {
    return {invocation.encoding, invocation.foldAccents};
}

bool openNamedList(const Invocation& invocation, CommandContext& context, RecordReader& reader) {
    ReadOptions readOptions;
    readOptions.acceptPipes = true; // pipes and <(...) are read on purpose
    if (auto error = invocation.dictionary == "-" ? reader.openStandardInput(readOptions)
                                                  : reader.open(invocation.dictionary, readOptions)) {
        context.complain(error->message());
        return false;
    }
    return true;
}

} // namespace tovrel::cli
