#include "cli/command_line.h"

#include "cli/find_mode.h"
#include "core/search/phrase_options.h"
#include "core/wordlist/utf8.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <getopt.h>
#include <optional>

namespace tovrel::cli {
namespace {

using Apply = std::optional<std::string> (*)(Invocation&, const char* value);

// The modes of the window's four searches, which --batch and --format box are for.
constexpr const char* kFourSearches = "complete extended partial extended-partial";

// One option of the command: its names, its value (if it takes one), its line
// in --help, what it sets and the modes it is for (all when none are named).
struct OptionEntry {
    const char* name;
    char shortName; // 0 for none
    const char* value;
    const char* help;
    Apply apply;
    const char* modes = nullptr; // names separated by a blank
};

// Whether `mode` is one of the blank-separated `modes`.
bool among(std::string_view mode, std::string_view modes) {
    for (std::size_t start = 0; start <= modes.size();) {
        const std::size_t end = std::min(modes.find(' ', start), modes.size());
        if (modes.substr(start, end - start) == mode)
            return true;
        start = end + 1;
    }
    return false;
}

// "phrase", "phrase and tiles", "complete, extended, partial and extended-partial".
std::string listed(std::string_view modes) {
    std::string text(modes);
    const std::size_t last = text.rfind(' ');
    if (last == std::string::npos)
        return text;
    std::string before = text.substr(0, last);
    for (std::size_t at = 0; (at = before.find(' ', at)) != std::string::npos; at += 2)
        before.replace(at, 1, ", ");
    return before + " and " + text.substr(last + 1);
}

// A whole number of the option's value, from `least` to `most`.
std::optional<std::string> setNumber(const char* option, const char* value, std::uint64_t least,
                                     std::uint64_t most, std::uint64_t& number) {
    std::uint64_t read = 0;
    bool valid = *value != '\0';
    for (const char* c = value; *c && valid; ++c) {
        valid = *c >= '0' && *c <= '9' && read <= (UINT64_MAX - 9) / 10;
        read = read * 10 + static_cast<std::uint64_t>(*c - '0');
    }
    if (valid && read >= least && read <= most) {
        number = read;
        return std::nullopt;
    }
    std::string range = most == UINT64_MAX
                            ? (least == 0 ? "a number" : "a number from " + std::to_string(least) + " up")
                            : "a number from " + std::to_string(least) + " to " + std::to_string(most);
    return "option '--" + std::string(option) + "' takes " + range + ", not '" + value + "'";
}

template <typename Number>
std::optional<std::string> setNumber(const char* option, const char* value, std::uint64_t least,
                                     std::uint64_t most, Number& number) {
    std::uint64_t read = 0;
    auto mistake = setNumber(option, value, least, most, read);
    if (!mistake)
        number = static_cast<Number>(read);
    return mistake;
}

std::optional<std::string> addWord(const char* option, const char* value, std::vector<std::string>& words) {
    if (!isValidUtf8(value))
        return "the word of option '--" + std::string(option) + "' is not valid UTF-8";
    words.emplace_back(value);
    return std::nullopt;
}

std::optional<std::string> setFormat(Invocation& invocation, const char* value) {
    static constexpr std::pair<const char*, Format> kFormats[] = {
        {"lines", Format::Lines}, {"null", Format::Null}, {"box", Format::Box}, {"json", Format::Json}};
    for (const auto& [name, format] : kFormats) {
        if (std::strcmp(value, name) == 0) {
            invocation.format = format;
            return std::nullopt;
        }
    }
    return "unknown format '" + std::string(value) + "' (lines, null, box, json)";
}

std::optional<std::string> setEncoding(Invocation& invocation, const char* value) {
    if (std::strcmp(value, "utf-8") == 0 || std::strcmp(value, "utf8") == 0)
        invocation.encoding = Encoding::Utf8;
    else if (std::strcmp(value, "latin-1") == 0 || std::strcmp(value, "latin1") == 0)
        invocation.encoding = Encoding::Latin1;
    else if (std::strcmp(value, "auto") == 0)
        invocation.encoding.reset();
    else
        return "unknown encoding '" + std::string(value) + "' (utf-8, latin-1, auto)";
    return std::nullopt;
}

const OptionEntry kOptions[] = {
    {"dictionary", 'd', "PATH",
     "the word list to search, \"-\" for standard input\n"
     "(default: the dictionary.txt that comes with the program, with your added words)",
     [](Invocation& i, const char* v) -> std::optional<std::string> {
         i.dictionary = v;
         return std::nullopt;
     }},
    {"count", 'c', nullptr, "print only the number of matching words",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.countOnly = true;
         return std::nullopt;
     }},
    {"null", '0', nullptr, "end each word with a NUL byte instead of a line end (--format null)",
     [](Invocation& i, const char*) { return setFormat(i, "null"); }},
    {"json", 0, nullptr, "print JSON (--format json)",
     [](Invocation& i, const char*) { return setFormat(i, "json"); }},
    {"format", 0, "FORMAT",
     "lines (one word or result a line, the default), null, box (the results\n"
     "box's text: each word followed by \", \") or json",
     setFormat},
    {"batch", 0, nullptr, "search every word of standard input, one a line, in one pass",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.batch = true;
         return std::nullopt;
     },
     kFourSearches},
    {"encoding", 0, "ENCODING", "read the list as utf-8 or latin-1 (default: auto, UTF-8 when it is valid)",
     setEncoding},
    {"fold-accents", 0, nullptr, "let accented letters count as plain ones (\"é\" as \"e\")",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.foldAccents = true;
         return std::nullopt;
     }},
    {"max-words", 0, "N", "at most N words in a result, 1 to 16 (default 3)",
     [](Invocation& i, const char* v) {
         return setNumber("max-words", v, 1, PhraseOptions::kMostWords, i.maxWords);
     },
     "phrase"},
    {"min-length", 0, "N", "words of at least N letters (default 2)",
     [](Invocation& i, const char* v) { return setNumber("min-length", v, 0, UINT64_MAX, i.minLength); },
     "phrase tiles"},
    {"no-capitals", 0, nullptr, "leave out words with a capital letter",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.noCapitals = true;
         return std::nullopt;
     },
     "phrase"},
    {"include", 0, "WORD", "every result holds this word of the list (may be given again)",
     [](Invocation& i, const char* v) { return addWord("include", v, i.include); }, "phrase"},
    {"exclude", 0, "WORD", "no result holds this word (may be given again)",
     [](Invocation& i, const char* v) { return addWord("exclude", v, i.exclude); }, "phrase"},
    {"limit", 0, "N", "print the first N results and stop",
     [](Invocation& i, const char* v) { return setNumber("limit", v, 1, UINT64_MAX, i.limit); }, "phrase"},
    {"group", 0, nullptr, "one line for results that are anagrams word by word (\"asleep/elapse sat\")",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.group = true;
         return std::nullopt;
     },
     "phrase"},
    {"order", 0, "ORDER",
     "ranked (fewer words first, then common words first) or list (in the\n"
     "order found); by default results of up to three words are ranked and\n"
     "longer ones follow as found",
     [](Invocation& i, const char* v) -> std::optional<std::string> {
         if (std::strcmp(v, "ranked") != 0 && std::strcmp(v, "list") != 0)
             return "unknown order '" + std::string(v) + "' (ranked, list)";
         i.order = std::strcmp(v, "list") == 0 ? PhraseOptions::Order::List : PhraseOptions::Order::Ranked;
         return std::nullopt;
     },
     "phrase"},
    {"help", 'h', nullptr, "print this text",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.help = true;
         return std::nullopt;
     }},
    {"version", 'V', nullptr, "print the version",
     [](Invocation& i, const char*) -> std::optional<std::string> {
         i.version = true;
         return std::nullopt;
     }},
};

const OptionEntry* optionWithShortName(int shortName) {
    for (const OptionEntry& option : kOptions)
        if (option.shortName && option.shortName == shortName)
            return &option;
    return nullptr;
}

// Whether getopt would take the argument for an option: a long name or an
// abbreviation of one, or a known short option first.
bool readsAsOption(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-')
        return false;
    if (argument[1] == '-') {
        const std::string_view name = argument.substr(2, argument.find('=') - 2);
        for (const OptionEntry& option : kOptions)
            if (std::string_view(option.name).substr(0, name.size()) == name)
                return true;
        return false;
    }
    return optionWithShortName(static_cast<unsigned char>(argument[1])) != nullptr;
}

std::string modeNames() {
    std::string names;
    for (const FindMode& mode : findModes())
        names += (names.empty() ? "" : ", ") + std::string(mode.name);
    return names;
}

// How the user wrote the option that getopt stopped at.
std::string spelled(const std::vector<char*>& argv, int index, int shortName) {
    const std::string argument = index > 0 && index < static_cast<int>(argv.size()) ? argv[index] : "";
    if (argument.rfind("--", 0) == 0)
        return argument.substr(0, argument.find('='));
    return std::string("-") + static_cast<char>(shortName);
}

} // namespace

ParsedCommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    ParsedCommandLine parsed;
    Invocation& invocation = parsed.invocation;

    std::vector<std::string> storage = arguments;
    std::vector<char*> argv{const_cast<char*>("tovrel2-find")};
    for (std::string& argument : storage)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int argc = static_cast<int>(argv.size()) - 1;

    std::vector<option> longOptions;
    std::string shortOptions = "-:"; // operands in order; ':' for a missing value
    for (const OptionEntry& option : kOptions) {
        const int value = option.shortName ? option.shortName : 256 + static_cast<int>(&option - kOptions);
        longOptions.push_back({option.name, option.value ? required_argument : no_argument, nullptr, value});
        if (option.shortName)
            shortOptions += std::string(1, option.shortName) + (option.value ? ":" : "");
    }
    longOptions.push_back({nullptr, 0, nullptr, 0});

    std::vector<std::string> operands;
    std::vector<const OptionEntry*> given;
    optind = 0; // start afresh (glibc)
    opterr = 0;
    bool atArgumentStart = true;
    while (parsed.mistake.empty()) {
        if (atArgumentStart && operands.size() == 1 && optind >= 1 && optind < argc) {
            const std::string_view next = argv[optind] ? argv[optind] : "";
            if (next.size() > 1 && next[0] == '-' && next != "--" && !readsAsOption(next)) {
                operands.emplace_back(next);
                ++optind;
                continue;
            }
        }
        const int before = optind;
        const int got = getopt_long(argc, argv.data(), shortOptions.c_str(), longOptions.data(), nullptr);
        atArgumentStart = optind != before;
        if (got == -1) { // "--" or the end: the rest are operands
            for (int i = optind; i < argc; ++i)
                operands.emplace_back(argv[i]);
            break;
        }
        if (got == 1) {
            operands.emplace_back(optarg);
        } else if (got == ':') {
            parsed.mistake = "option '" + spelled(argv, optind - 1, optopt) + "' needs a value";
        } else if (got == '?') {
            const std::string name = spelled(argv, optind - 1, optopt);
            if (optopt == 0)
                parsed.mistake = "unknown option '" + name + "'";
            else if (name.rfind("--", 0) == 0) // a value given to an option that takes none
                parsed.mistake = "option '" + name + "' takes no value";
            else
                parsed.mistake = "unknown option '" + name + "'";
        } else {
            const OptionEntry& option =
                got < 256 ? *optionWithShortName(got) : kOptions[static_cast<std::size_t>(got - 256)];
            if (auto mistake = option.apply(invocation, optarg))
                parsed.mistake = *mistake;
            given.push_back(&option);
        }
    }
    if (!parsed.mistake.empty() || invocation.help || invocation.version)
        return parsed;

    if (operands.empty()) {
        parsed.mistake = "give a mode (" + modeNames() + ")";
        return parsed;
    }
    invocation.mode = findMode(operands[0]);
    if (!invocation.mode) {
        parsed.mistake = "unknown mode '" + operands[0] + "' (" + modeNames() + ")";
        return parsed;
    }
    const std::string_view mode = invocation.mode->name;
    for (const OptionEntry* option : given)
        if (option->modes && !among(mode, option->modes)) {
            parsed.mistake =
                "option '--" + std::string(option->name) + "' is for " + listed(option->modes) + " only";
            return parsed;
        }
    if (invocation.format == Format::Box && !among(mode, kFourSearches)) {
        parsed.mistake = "format 'box' is for " + listed(kFourSearches) + " only";
        return parsed;
    }
    // The words of a phrase may come as arguments of their own.
    if (invocation.mode->phraseOfWords && operands.size() > 2) {
        for (std::size_t i = 2; i < operands.size(); ++i)
            operands[1] += " " + operands[i];
        operands.resize(2);
    }
    const std::size_t words = operands.size() - 1;
    if (invocation.batch && words > 0)
        parsed.mistake = "--batch reads the words from standard input, not from the command line";
    else if (invocation.batch && invocation.dictionary == "-")
        parsed.mistake =
            "--batch reads the words from standard input, so the list cannot come from there too";
    else if (!invocation.batch && words == 0)
        parsed.mistake = "give a word after the mode";
    else if (words > 1)
        parsed.mistake = "one word only: '" + operands[2] + "' is one too many (quote a word with blanks)";
    else if (words == 1)
        invocation.word = operands[1];
    return parsed;
}

std::string usageText() {
    std::string text = "Usage: tovrel2-find [OPTIONS] MODE WORD\n"
                       "       tovrel2-find [OPTIONS] --batch MODE < WORDS\n"
                       "\n"
                       "Lists the words of the word list that fit WORD, one a line; for phrase,\n"
                       "tiles and pattern, WORD is the phrase, the rack or the pattern.\n"
                       "\n"
                       "Modes:\n";
    for (const FindMode& mode : findModes()) {
        std::string name(mode.name);
        text += "  " + name + std::string(name.size() < 19 ? 19 - name.size() : 1, ' ') + mode.summary + "\n";
    }
    text += "\nOptions:\n";
    for (const OptionEntry& option : kOptions) {
        std::string names = option.shortName ? std::string("-") + option.shortName + ", " : "    ";
        names += std::string("--") + option.name + (option.value ? std::string(" ") + option.value : "");
        std::string help = option.help;
        if (option.modes)
            help +=
                " [" + (option.modes == kFourSearches ? "the first four modes" : listed(option.modes)) + "]";
        std::string indented;
        for (const char c : help)
            indented += c == '\n' ? std::string("\n") + std::string(27, ' ') : std::string(1, c);
        text += "  " + names + std::string(names.size() < 24 ? 25 - names.size() : 1, ' ') + indented + "\n";
    }
    text += "\n"
            "A word that starts with \"-\" may follow the mode as it is (tovrel2-find partial -ba),\n"
            "unless it reads as an option; \"--\" ends the options: tovrel2-find partial -- -c\n"
            "\n"
            "Exit status: 0 at least one match, 1 no match, 2 trouble (bad arguments, a refused\n"
            "word, a list that cannot be read, a failed write).\n";
    return text;
}

} // namespace tovrel::cli
