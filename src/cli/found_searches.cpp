#include "cli/found_searches.h"

#include "cli/exit_status.h"
#include "cli/find_mode.h"
#include "cli/found_printer.h"
#include "cli/invocation.h"
#include "cli/output.h"
#include "cli/search_input.h"
#include "cli/skipped_warning.h"
#include "core/search/commonness.h"
#include "core/search/pattern_search.h"
#include "core/search/phrase_search.h"
#include "core/search/tiles_search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <cerrno>
#include <memory>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace tovrel::cli {
namespace {

// The search over the list named with --dictionary, else over the default
// list; nothing when the named list cannot be opened.
template <typename Search>
std::optional<FindOutcome> overList(const Invocation& invocation, CommandContext& context, Search&& search) {
    if (invocation.dictionary.empty())
        return search(ListFiles(context.defaultList));
    RecordReader reader;
    if (!openNamedList(invocation, context, reader))
        return std::nullopt;
    return search(ListFiles(reader));
}

// What ranks the results: the commonness index beside the program's list, for
// any list searched. Without it every word counts as the rarest, which is
// said as a warning; a file that is there but cannot be opened is trouble.
struct Ranking {
    std::unique_ptr<Commonness> commonness;
    bool trouble = false;
};

Ranking rankingFor(CommandContext& context) {
    const std::string& list = context.defaultList.shippedPath();
    const std::size_t slash = list.rfind('/');
    const std::string path =
        (slash == std::string::npos ? std::string() : list.substr(0, slash + 1)) + "commonness.index";
    Ranking ranking;
    ranking.commonness = std::make_unique<Commonness>();
    if (::access(path.c_str(), F_OK) != 0 && errno == ENOENT) {
        context.complain(path + ": No such file or directory; words are not ranked by how common they are");
    } else if (auto error = ranking.commonness->load(path)) {
        context.complain("cannot read the commonness index " + error->message());
        ranking.trouble = true;
    }
    return ranking;
}

// The status of a search that ran: its count where only that was asked, the
// warning for records too long to read, and what went wrong.
int finished(const FindOutcome& outcome, const Invocation& invocation, CommandContext& context) {
    Output& out = context.out;
    switch (outcome.status) {
    case FindOutcome::Status::BadInput:
        context.complain(outcome.message);
        return kTrouble;
    case FindOutcome::Status::Unreadable:
        // What was written stays, ended by a line end; the status tells it is not all.
        if (out.inMidLine())
            out.put('\n');
        out.flush();
        context.complain(outcome.message);
        return kTrouble;
    case FindOutcome::Status::Done:
    case FindOutcome::Status::Stopped: // a failed write, which the command reports
        break;
    }
    if (invocation.countOnly && invocation.format == Format::Json) {
        nlohmann::ordered_json document;
        document["mode"] = invocation.mode->name;
        document["word"] = invocation.word;
        document["count"] = outcome.count;
        out.write(document.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace));
        out.put('\n');
    } else if (invocation.countOnly) {
        out.write(std::to_string(outcome.count));
        out.put('\n');
    }
    out.flush();
    if (outcome.skipped.count > 0)
        context.complain(describeSkipped(outcome.skipped, outcome.skippedIn));
    return outcome.count > 0 ? kMatched : kNoMatch;
}

// Checks the typed text and the words of --include and --exclude: valid UTF-8.
bool readable(const Invocation& invocation, const char* what, CommandContext& context) {
    if (!isValidUtf8(invocation.word)) {
        context.complain(std::string("the ") + what + " is not valid UTF-8");
        return false;
    }
    return true;
}

// Runs a search whose results are printed as the core hands them out, ranked
// by the commonness index where `ranked` and more than the count is asked:
// find(list, commonness, sink), the sink null for a count.
template <typename Find>
int runFound(const Invocation& invocation, CommandContext& context, bool ranked, FoundPrinter::Shape shape,
             Find&& find) {
    Ranking ranking;
    if (ranked && !invocation.countOnly && (ranking = rankingFor(context)).trouble)
        return kTrouble;
    FoundPrinter printer(context.out, invocation.format, shape);
    const std::optional<FindOutcome> outcome = overList(invocation, context, [&](const ListFiles& list) {
        return find(list, ranking.commonness.get(), invocation.countOnly ? nullptr : &printer);
    });
    return outcome ? finished(*outcome, invocation, context) : kTrouble;
}

} // namespace

int runPhraseSearch(const Invocation& invocation, CommandContext& context) {
    if (!readable(invocation, "phrase", context))
        return kTrouble;
    PhraseOptions options;
    options.phrase = codePoints(invocation.word);
    options.maxWords = invocation.maxWords;
    options.minLength = invocation.minLength;
    options.noCapitals = invocation.noCapitals;
    for (const std::string& word : invocation.include)
        options.include.push_back(codePoints(word));
    for (const std::string& word : invocation.exclude)
        options.exclude.push_back(codePoints(word));
    options.limit = invocation.limit;
    options.group = invocation.group;
    options.order = invocation.order;
    options.reading = searchOptions(invocation);

    return runFound(invocation, context, invocation.order != PhraseOptions::Order::List,
                    invocation.group ? FoundPrinter::Shape::GroupedWords : FoundPrinter::Shape::Words,
                    [&](const ListFiles& list, const Commonness* commonness, FoundSink* sink) {
                        return findPhrases(options, list, commonness, sink);
                    });
}

int runTilesSearch(const Invocation& invocation, CommandContext& context) {
    if (!readable(invocation, "tiles", context))
        return kTrouble;
    TilesOptions options;
    options.tiles = codePoints(invocation.word);
    options.minLength = invocation.minLength;
    options.reading = searchOptions(invocation);

    return runFound(invocation, context, true, FoundPrinter::Shape::Word,
                    [&](const ListFiles& list, const Commonness* commonness, FoundSink* sink) {
                        return findTiles(options, list, commonness, sink);
                    });
}

int runPatternSearch(const Invocation& invocation, CommandContext& context) {
    if (!readable(invocation, "pattern", context))
        return kTrouble;
    PatternOptions options;
    options.pattern = codePoints(invocation.word);
    options.reading = searchOptions(invocation);

    return runFound(invocation, context, false, FoundPrinter::Shape::Word,
                    [&](const ListFiles& list, const Commonness*, FoundSink* sink) {
                        return findPattern(options, list, sink);
                    });
}

} // namespace tovrel::cli
