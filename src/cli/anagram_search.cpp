#include "cli/anagram_search.h"

#include "cli/exit_status.h"
#include "cli/find_mode.h"
#include "cli/invocation.h"
#include "cli/output.h"
#include "cli/result_printer.h"
#include "cli/search_input.h"
#include "cli/skipped_warning.h"
#include "core/search/messages.h"
#include "core/search/search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <unistd.h>

namespace tovrel::cli {
namespace {

// A match in UTF-8, whatever the list's encoding.
std::string_view asUtf8(std::string_view match, Encoding encoding, std::string& scratch) {
    if (encoding == Encoding::Utf8 || isAscii(match))
        return match;
    scratch.clear();
    appendLatin1AsUtf8(match, scratch);
    return scratch;
}

// Prints each match as it is found.
class PrintingSink : public ResultSink {
public:
    explicit PrintingSink(ResultPrinter& printer) : printer_(printer) {}
    void add(std::string_view match, Encoding encoding) override {
        printer_.match(asUtf8(match, encoding, scratch_));
    }

private:
    ResultPrinter& printer_;
    std::string scratch_;
};

// Keeps the matches of one word of a batch until the pass has ended.
class GatheringSink : public ResultSink {
public:
    void add(std::string_view match, Encoding encoding) override {
        matches.emplace_back(asUtf8(match, encoding, scratch_));
    }
    std::vector<std::string> matches;

private:
    std::string scratch_;
};

// The words of a batch: every line of standard input, without its line end;
// empty lines are passed over.
std::optional<std::vector<std::string>> wordsFromStandardInput(std::string& reason) {
    std::string all;
    char block[1 << 16];
    for (;;) {
        const ssize_t got = ::read(STDIN_FILENO, block, sizeof block);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            reason = std::strerror(errno);
            return std::nullopt;
        }
        if (got == 0)
            break;
        all.append(block, static_cast<std::size_t>(got));
    }
    std::vector<std::string> words;
    std::size_t start = 0;
    while (start < all.size()) {
        std::size_t end = all.find('\n', start);
        if (end == std::string::npos)
            end = all.size();
        std::string word = all.substr(start, end - start);
        if (!word.empty() && word.back() == '\r')
            word.pop_back();
        if (!word.empty())
            words.push_back(std::move(word));
        start = end + 1;
    }
    return words;
}

// Why the word cannot be searched, if it cannot.
std::optional<std::string> refusal(const std::string& word) {
    if (word.empty())
        return messages::kEmptyInput;
    if (!isValidUtf8(word))
        return "the word is not valid UTF-8";
    return std::nullopt;
}

// The search over the list named with --dictionary, else over the default
// list; nothing when the named list cannot be opened.
std::vector<SearchOutcome> searchList(SearchMode mode, const std::vector<std::u32string>& typed,
                                      const Invocation& invocation, CommandContext& context,
                                      const std::vector<ResultSink*>& sinks) {
    if (invocation.dictionary.empty())
        return search(mode, typed, context.defaultList, sinks, searchOptions(invocation));
    RecordReader reader;
    if (!openNamedList(invocation, context, reader))
        return {};
    return search(mode, typed, reader, sinks, searchOptions(invocation));
}

} // namespace

int runAnagramSearch(SearchMode mode, const Invocation& invocation, CommandContext& context) {
    std::vector<std::string> given;
    if (invocation.batch) {
        std::string reason;
        auto words = wordsFromStandardInput(reason);
        if (!words) {
            context.complain("standard input: " + reason);
            return kTrouble;
        }
        given = std::move(*words);
    } else {
        given.push_back(invocation.word);
    }

    bool trouble = false;
    std::vector<std::string> words;
    for (const std::string& word : given) {
        if (const auto why = refusal(word)) {
            context.complain(invocation.batch ? word + ": " + *why : *why);
            trouble = true;
        } else {
            words.push_back(word);
        }
    }
    if (words.empty())
        return trouble ? kTrouble : kNoMatch;

    std::vector<std::u32string> typed;
    for (const std::string& word : words)
        typed.push_back(codePoints(word));
    ResultPrinter printer(context.out, invocation);

    std::vector<SearchOutcome> outcomes;
    std::vector<std::unique_ptr<GatheringSink>> gathered;
    if (invocation.batch) {
        std::vector<ResultSink*> sinks;
        for (std::size_t i = 0; i < words.size(); ++i) {
            gathered.push_back(invocation.countOnly ? nullptr : std::make_unique<GatheringSink>());
            sinks.push_back(gathered.back().get());
        }
        outcomes = searchList(mode, typed, invocation, context, sinks);
    } else {
        // Streamed as found, except where the format needs the count first.
        PrintingSink sink(printer);
        outcomes = searchList(mode, typed, invocation, context, {invocation.countOnly ? nullptr : &sink});
    }
    if (outcomes.empty())
        return kTrouble;

    bool matched = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const SearchOutcome& outcome = outcomes[i];
        if (outcome.status == SearchOutcome::Status::RefusedInput) {
            context.complain(invocation.batch ? words[i] + ": " + messages::kNoSymbols
                                              : messages::kNoSymbols);
            trouble = true;
            continue;
        }
        if (outcome.status == SearchOutcome::Status::Unreadable) {
            // What was written stays, ended by a line end; the status tells it is not all.
            if (context.out.inMidLine())
                context.out.put('\n');
            context.out.flush();
            context.complain(outcome.error->message());
            return kTrouble;
        }
        if (invocation.batch) {
            printer.header(words[i]);
            if (gathered[i])
                for (const std::string& match : gathered[i]->matches)
                    printer.match(match);
        }
        printer.finish(words[i], outcome.count);
        matched = matched || outcome.count > 0;
    }
    context.out.flush();
    if (outcomes.front().skipped.count > 0)
        context.complain(describeSkipped(outcomes.front().skipped, outcomes.front().skippedIn));
    if (trouble)
        return kTrouble;
    return matched ? kMatched : kNoMatch;
}

} // namespace tovrel::cli
