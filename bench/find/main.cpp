// Runs the phrase, tiles and pattern searches of the core from the command
// line and prints their results as tovrel2-find will, one a line, so that
// bench/find-compare can time them before tovrel2-find has these modes:
//
//   tovrel_find_bench [--dictionary PATH] [--commonness PATH] MODE [OPTIONS] INPUT
//     phrase [--max-words N] [--min-length N] [--no-capitals] [--include WORD]...
//            [--exclude WORD]... [--limit N] [--count] [--group] [--order ranked|list] PHRASE
//     tiles [--min-length N] TILES
//     pattern PATTERN
//
// The word list and the commonness file are those beside the program unless
// given. Exit status 0 found, 1 nothing found, 2 trouble.
#include "core/search/commonness.h"
#include "core/search/pattern_search.h"
#include "core/search/phrase_search.h"
#include "core/search/tiles_search.h"
#include "core/wordlist/utf8.h"
#include "core/wordlist/word_list.h"
#include "line_writer.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <getopt.h>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

std::string besideProgram(const char* name) {
    char path[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    const std::string program(path, length > 0 ? static_cast<std::size_t>(length) : 0);
    return program.substr(0, program.rfind('/') + 1) + name;
}

[[noreturn]] void fail(const std::string& message) {
    std::fprintf(stderr, "tovrel_find_bench: %s\n", message.c_str());
    std::exit(2);
}

std::u32string argument(const char* text) {
    std::u32string letters;
    if (!tovrel::appendUtf8CodePoints(text, letters))
        fail(std::string("not valid UTF-8: ") + text);
    return letters;
}

std::uint64_t number(const char* text) {
    char* end = nullptr;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (!*text || *end || *text == '-')
        fail(std::string("'") + text + "' is not a number");
    return value;
}

} // namespace

int main(int argc, char** argv) {
    enum Option {
        Dictionary = 256,
        CommonnessFile,
        MaxWords,
        MinLength,
        NoCapitals,
        Include,
        Exclude,
        Limit,
        Count,
        Group,
        Order
    };
    const option options[] = {{"dictionary", required_argument, nullptr, Dictionary},
                              {"commonness", required_argument, nullptr, CommonnessFile},
                              {"max-words", required_argument, nullptr, MaxWords},
                              {"min-length", required_argument, nullptr, MinLength},
                              {"no-capitals", no_argument, nullptr, NoCapitals},
                              {"include", required_argument, nullptr, Include},
                              {"exclude", required_argument, nullptr, Exclude},
                              {"limit", required_argument, nullptr, Limit},
                              {"count", no_argument, nullptr, Count},
                              {"group", no_argument, nullptr, Group},
                              {"order", required_argument, nullptr, Order},
                              {nullptr, 0, nullptr, 0}};
    std::string dictionary = besideProgram("dictionary.txt");
    std::string commonnessPath = besideProgram("commonness.txt");
    tovrel::PhraseOptions phrase;
    bool count = false;
    for (int option; (option = getopt_long(argc, argv, "", options, nullptr)) != -1;) {
        switch (option) {
        case Dictionary:
            dictionary = optarg;
            break;
        case CommonnessFile:
            commonnessPath = optarg;
            break;
        case MaxWords:
            phrase.maxWords = number(optarg);
            break;
        case MinLength:
            phrase.minLength = number(optarg);
            break;
        case NoCapitals:
            phrase.noCapitals = true;
            break;
        case Include:
            phrase.include.push_back(argument(optarg));
            break;
        case Exclude:
            phrase.exclude.push_back(argument(optarg));
            break;
        case Limit:
            phrase.limit = number(optarg);
            break;
        case Count:
            count = true;
            break;
        case Group:
            phrase.group = true;
            break;
        case Order:
            if (std::string(optarg) != "list" && std::string(optarg) != "ranked")
                fail("--order takes ranked or list");
            phrase.order = std::string(optarg) == "list" ? tovrel::PhraseOptions::Order::List
                                                         : tovrel::PhraseOptions::Order::Ranked;
            break;
        default:
            std::exit(2);
        }
    }
    if (argc - optind != 2)
        fail("give a MODE and its INPUT");
    const std::string mode = argv[optind];
    const std::u32string input = argument(argv[optind + 1]);

    tovrel::Commonness commonness;
    if (mode != "pattern")
        if (auto error = commonness.load(commonnessPath))
            fail("cannot read the commonness file " + error->message());
    LineWriter writer(STDOUT_FILENO);
    tovrel::FindOutcome outcome;
    if (mode == "phrase") {
        phrase.phrase = input;
        outcome =
            tovrel::findPhrases(phrase, tovrel::WordList(dictionary), &commonness, count ? nullptr : &writer);
    } else if (mode == "tiles") {
        tovrel::TilesOptions tiles;
        tiles.tiles = input;
        tiles.minLength = phrase.minLength;
        outcome =
            tovrel::findTiles(tiles, tovrel::WordList(dictionary), &commonness, count ? nullptr : &writer);
    } else if (mode == "pattern") {
        tovrel::PatternOptions pattern;
        pattern.pattern = input;
        outcome = tovrel::findPattern(pattern, tovrel::WordList(dictionary), count ? nullptr : &writer);
    } else {
        fail("unknown mode '" + mode + "' (phrase, tiles, pattern)");
    }
    if (outcome.status == tovrel::FindOutcome::Status::BadInput ||
        outcome.status == tovrel::FindOutcome::Status::Unreadable)
        fail(outcome.message);
    if (!writer.flush() || outcome.status == tovrel::FindOutcome::Status::Stopped)
        fail(std::string("write error: ") + std::strerror(errno));
    if (count)
        std::printf("%llu\n", static_cast<unsigned long long>(outcome.count));
    return outcome.count > 0 ? 0 : 1;
}
