// The phrase search against every multiset tried by the plain rules, on small
// phrases and lists of a few letters: the same results, each once, in rank
// order (or by number of words in list order); grouped lines stand for
// exactly those results; counting, the limit and the least ranking memory
// agree.

#include "core/search/commonness.h"
#include "core/search/phrase_search.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"
#include "fuzz_input.h"
#include "phrase_reference.h"

#include <fuzzer/FuzzedDataProvider.h>

namespace {

using reference::Result;

// Lines as their words' entries; a grouped word has several.
class Lines : public tovrel::FoundSink {
public:
    bool add(const tovrel::FoundWord* words, std::size_t count) override {
        std::vector<std::vector<std::string>> line;
        for (std::size_t i = 0; i < count; ++i)
            line.emplace_back(words[i].entries, words[i].entries + words[i].count);
        lines.push_back(line);
        return true;
    }
    std::vector<std::vector<std::vector<std::string>>> lines;
};

// The lines as text, written by the search itself into rooms no larger than
// it asks for.
class Text : public tovrel::FoundSink {
public:
    bool add(const tovrel::FoundWord*, std::size_t) override { return false; }
    const tovrel::FoundTextLayout* textLayout() const override { return &layout_; }
    char* textRoom(std::size_t bytes, char*& end) override {
        room_.assign(bytes + tovrel::kFoundTextPadding, '\x7F');
        end = room_.data() + room_.size();
        taken_ = room_.data();
        return room_.data();
    }
    bool textWritten(char* end) override {
        text.append(taken_, static_cast<std::size_t>(end - taken_));
        taken_ = end;
        return true;
    }
    std::string text;

private:
    tovrel::FoundTextLayout layout_{' ', '/', '\n'};
    std::vector<char> room_;
    const char* taken_ = nullptr; // the end of what was taken from the room
};

// A line as text.
std::string textOf(const std::vector<std::vector<std::string>>& line) {
    std::string text;
    for (std::size_t i = 0; i < line.size(); ++i) {
        for (std::size_t j = 0; j < line[i].size(); ++j)
            text += (j > 0 ? "/" : "") + line[i][j];
        text += i + 1 < line.size() ? ' ' : '\n';
    }
    return text;
}

// The results a line stands for: an entry from each word's alternatives,
// where two words list the same alternatives, as a multiset.
std::vector<Result> resultsOf(const std::vector<std::vector<std::string>>& shown) {
    // Handed out in UTF-8; the list and the plain rules are Latin-1.
    std::vector<std::vector<std::string>> line;
    for (const std::vector<std::string>& word : shown) {
        line.emplace_back();
        for (const std::string& entry : word) {
            std::string latin1;
            fuzzing::require(tovrel::appendUtf8AsLatin1(entry, latin1), "entries of a Latin-1 list");
            line.back().push_back(latin1);
        }
    }
    std::vector<Result> results{{}};
    std::vector<std::size_t> last{};
    for (std::size_t i = 0; i < line.size(); ++i) {
        std::vector<Result> longer;
        std::vector<std::size_t> longerLast;
        for (std::size_t r = 0; r < results.size(); ++r) {
            const std::size_t from = i > 0 && line[i] == line[i - 1] ? last[r] : 0;
            for (std::size_t a = from; a < line[i].size(); ++a) {
                longer.push_back(results[r]);
                longer.back().push_back(line[i][a]);
                longerLast.push_back(a);
            }
        }
        results = longer;
        last = longerLast;
    }
    for (Result& result : results)
        std::sort(result.begin(), result.end());
    return results;
}

// A small alphabet, so that phrases and entries share letters: capitals, an
// accented letter, blanks, a hyphen and delimiters among them.
constexpr char kListBytes[] = "aetsnoAET\xE9\xC9- ,\n\n";
constexpr char32_t kPhraseLetters[] = U"aetsnoAE\u00E9\u00C9 ";

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    tovrel::PhraseOptions options;
    const std::uint8_t shape = input.ConsumeIntegral<std::uint8_t>();
    options.maxWords = 1 + shape % 4;
    options.minLength = shape / 4 % 3;
    options.noCapitals = shape & 0x40;
    options.group = shape & 0x80;
    const std::uint8_t more = input.ConsumeIntegral<std::uint8_t>();
    constexpr tovrel::PhraseOptions::Order kOrders[] = {tovrel::PhraseOptions::Order::Ranked,
                                                        tovrel::PhraseOptions::Order::List,
                                                        tovrel::PhraseOptions::Order::RankedShortResults};
    options.order = kOrders[more % 3];

    for (const char c : input.ConsumeRandomLengthString(12)) {
        const unsigned char byte = static_cast<unsigned char>(c);
        options.phrase += byte >= 0xF8
                              ? fuzzing::typedWord(std::string(1, c))[0]
                              : kPhraseLetters[byte % (sizeof kPhraseLetters / sizeof(char32_t) - 1)];
    }
    const std::string picks = input.ConsumeRandomLengthString(8);
    std::string list;
    for (const char c : input.ConsumeRemainingBytesAsString())
        list += kListBytes[static_cast<unsigned char>(c) % (sizeof kListBytes - 1)];
    const std::vector<std::string> records = reference::records(list);

    // Included and excluded words and the levels of the list's words, picked by the bytes of `picks`.
    std::vector<std::string> included, excluded;
    std::map<std::string, int> levels;
    std::string commonnessText;
    for (std::size_t i = 0; i < picks.size() && !records.empty(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(picks[i]);
        const std::string& record = records[byte % records.size()];
        if (byte >= 0xF0)
            included.push_back(record);
        else if (byte >= 0xE0)
            excluded.push_back(record);
        else if (!record.empty() && !levels.count(record)) {
            levels[record] = byte % 4 * 10;
            commonnessText += "level " + std::to_string(levels[record]) + "\n" + record + "\n";
        }
    }
    for (const std::string& word : included)
        options.include.push_back(reference::asRead(word));
    for (const std::string& word : excluded)
        options.exclude.push_back(reference::asRead(word));
    tovrel::Commonness commonness;
    commonness.loadText(commonnessText, "levels");

    auto run = [&](const tovrel::PhraseOptions& with, tovrel::FoundSink* sink) {
        tovrel::RecordReader reader(list);
        return tovrel::findPhrases(with, reader, &commonness, sink);
    };
    Lines found;
    const tovrel::FindOutcome outcome = run(options, &found);

    std::u32string typed;
    bool refused = false;
    for (const char32_t c : options.phrase) {
        if (c == U' ')
            continue;
        refused |= !reference::isLetter(c);
        typed += reference::lower(c);
    }
    if (refused || typed.empty()) {
        fuzzing::require(outcome.status == tovrel::FindOutcome::Status::BadInput, "refused");
        return 0;
    }
    fuzzing::require(outcome.status == tovrel::FindOutcome::Status::Done, "searched");

    const std::vector<Result> expected =
        reference::phraseResults(reference::counted(typed), records, options.maxWords, options.minLength,
                                 options.noCapitals, included, excluded);
    std::vector<Result> got;
    std::vector<int> previous;
    for (const auto& line : found.lines) {
        const std::vector<Result> results = resultsOf(line);
        std::vector<int> key = reference::rank(results.front(), levels);
        for (const Result& result : results) {
            got.push_back(result);
            key = std::min(key, reference::rank(result, levels));
        }
        // By number of words only where the results come as found.
        if (options.order == tovrel::PhraseOptions::Order::List ||
            (options.order == tovrel::PhraseOptions::Order::RankedShortResults &&
             results.front().size() > tovrel::PhraseOptions::kMostWordsRankedFirst))
            key.resize(1);
        fuzzing::require(previous <= key, "in order");
        previous = key;
    }
    std::sort(got.begin(), got.end());
    fuzzing::require(got == expected, "the results of the plain rules, each once");
    fuzzing::require(outcome.count == found.lines.size(), "count with the lines");
    fuzzing::require(run(options, nullptr).count == found.lines.size(), "count only");

    Text text;
    run(options, &text);
    std::string expectedText;
    for (const auto& line : found.lines)
        expectedText += textOf(line);
    fuzzing::require(text.text == expectedText, "the same lines as text");

    tovrel::PhraseOptions least = options;
    least.rankingBudget = 1;
    Lines leastFound;
    run(least, &leastFound);
    fuzzing::require(leastFound.lines == found.lines, "the same with the least ranking memory");

    tovrel::PhraseOptions limited = options;
    limited.limit = 1 + more / 3 % 8;
    Lines limitedFound;
    const tovrel::FindOutcome limitedOutcome = run(limited, &limitedFound);
    const std::size_t shown = std::min<std::size_t>(limited.limit, found.lines.size());
    fuzzing::require(
        limitedOutcome.count == shown && limitedFound.lines.size() == shown &&
            std::equal(limitedFound.lines.begin(), limitedFound.lines.end(), found.lines.begin()),
        "the first lines up to the limit");
    return 0;
}
