#include "core/search/search.h"

#include "core/search/character_rules.h"
#include "core/search/matchers.h"
#include "core/search/messages.h"
#include "core/wordlist/latin1.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"
#include "core/wordlist/word_list.h"

namespace tovrel {
namespace {

// Builds the results text: every match followed by ", ".
class TextSink : public ResultSink {
public:
    explicit TextSink(std::string& text) : text_(text) {}
    void add(std::string_view match, Encoding) override {
        text_.append(match);
        text_.append(messages::kResultSeparator);
    }

private:
    std::string& text_;
};

// Hands a match to its sink as the mode lists it. A record of a UTF-8 list
// that is not UTF-8 was read as Latin-1 and goes out as such.
template <typename Matcher> class Lister {
public:
    explicit Lister(const CharacterRules& rules) : rules_(rules) {}

    void list(ResultSink& sink, std::string_view record, Encoding encoding) {
        if constexpr (Matcher::kListsLowerCased) {
            listed_.clear();
            if (encoding == Encoding::Latin1) {
                listed_.assign(record);
                for (char& c : listed_)
                    c = static_cast<char>(toLower(static_cast<unsigned char>(c)));
            } else {
                rules_.appendLowerCasedUtf8(record, listed_);
            }
            sink.add(listed_, encoding);
        } else {
            const bool readAsLatin1 = encoding == Encoding::Utf8 && !isValidUtf8(record);
            sink.add(record, readAsLatin1 ? Encoding::Latin1 : encoding);
        }
    }

private:
    const CharacterRules& rules_;
    std::string listed_;
};

struct Word {
    std::size_t index; // in the caller's order
    ResultSink* sink;
};

// Every record tested byte by byte: a Latin-1 list, or a UTF-8 one where the
// bytes alone decide (see Utf8Tester); the matches are listed in `encoding`.
template <typename Matcher>
void bytePass(const std::vector<Matcher>& matchers, const std::vector<Word>& words,
              std::vector<std::uint64_t>& counts, RecordReader& reader, Lister<Matcher>& lister,
              Encoding encoding) {
    if (matchers.size() == 1) { // the common case, kept tight
        const Matcher& matcher = matchers.front();
        ResultSink* sink = words.front().sink;
        std::uint64_t& count = counts[words.front().index];
        if (!sink) {
            reader.forEachRecord([&](std::string_view record) { count += matcher.matches(record) ? 1 : 0; });
            return;
        }
        reader.forEachRecord([&](std::string_view record) {
            if (!matcher.matches(record))
                return;
            ++count;
            lister.list(*sink, record, encoding);
        });
        return;
    }
    reader.forEachRecord([&](std::string_view record) {
        for (std::size_t i = 0; i < matchers.size(); ++i) {
            if (!matchers[i].matches(record))
                continue;
            ++counts[words[i].index];
            if (words[i].sink)
                lister.list(*words[i].sink, record, encoding);
        }
    });
}

// A UTF-8 record that is all ASCII (as the reader tells) is tested byte by
// byte like a Latin-1 one; any other is decoded once, and only when its length
// in bytes leaves room for a match (a character takes one to four bytes).
template <typename Matcher> class Utf8Tester {
public:
    explicit Utf8Tester(const CharacterRules& rules) : rules_(rules) {}

    void start(std::string_view record, bool ascii) {
        record_ = record;
        form_ = ascii ? Form::Bytes : Form::Unknown;
    }
    bool matches(const Matcher& matcher) {
        if (form_ == Form::Bytes)
            return matcher.matches(record_);
        const std::size_t fewest = rules_.foldsAccents() ? 0 : (record_.size() + 3) / 4;
        if (!matcher.mayFit(fewest, record_.size()))
            return false;
        if (form_ == Form::Unknown) {
            form_ = Form::Decoded;
            rules_.decodeRecord(record_, decoded_);
        }
        return matcher.matches(std::u32string_view(decoded_));
    }

private:
    enum class Form { Unknown, Bytes, Decoded };
    const CharacterRules& rules_;
    std::string_view record_;
    Form form_ = Form::Unknown;
    std::u32string decoded_;
};

template <typename Matcher>
void utf8Pass(const std::vector<Matcher>& matchers, const std::vector<Word>& words,
              std::vector<std::uint64_t>& counts, RecordReader& reader, const CharacterRules& rules,
              Lister<Matcher>& lister) {
    Utf8Tester<Matcher> tester(rules);
    if (matchers.size() == 1) { // the common case, kept tight
        const Matcher& matcher = matchers.front();
        ResultSink* sink = words.front().sink;
        std::uint64_t& count = counts[words.front().index];
        reader.forEachRecord([&](std::string_view record, bool ascii) {
            tester.start(record, ascii);
            if (!tester.matches(matcher))
                return;
            ++count;
            if (sink)
                lister.list(*sink, record, Encoding::Utf8);
        });
        return;
    }
    reader.forEachRecord([&](std::string_view record, bool ascii) {
        tester.start(record, ascii);
        for (std::size_t i = 0; i < matchers.size(); ++i) {
            if (!tester.matches(matchers[i]))
                continue;
            ++counts[words[i].index];
            if (words[i].sink)
                lister.list(*words[i].sink, record, Encoding::Utf8);
        }
    });
}

template <typename Matcher>
void passWith(const std::vector<std::u32string>& typed, const std::vector<ResultSink*>& sinks,
              const CharacterRules& rules, RecordReader& reader, std::vector<SearchOutcome>& outcomes) {
    std::vector<Matcher> matchers;
    std::vector<Word> words;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        Matcher matcher(typed[i], rules);
        if constexpr (std::is_same_v<Matcher, CompleteMatcher>) {
            if (matcher.refused()) {
                outcomes[i].status = SearchOutcome::Status::RefusedInput;
                continue;
            }
        }
        matchers.push_back(std::move(matcher));
        words.push_back({i, sinks[i]});
    }
    if (matchers.empty())
        return;
    std::vector<std::uint64_t> counts(typed.size(), 0);
    Lister<Matcher> lister(rules);
    // The extended search looks only at the letters a to z, which UTF-8 writes
    // as single bytes: without folded accents the bytes alone decide.
    const bool bytesDecide = std::is_same_v<Matcher, ExtendedMatcher> && !rules.foldsAccents();
    if (rules.encoding() == Encoding::Latin1 || bytesDecide)
        bytePass(matchers, words, counts, reader, lister, rules.encoding());
    else
        utf8Pass(matchers, words, counts, reader, rules, lister);
    for (const Word& word : words)
        outcomes[word.index].count = counts[word.index];
}

SearchOutcome unreadable(FileError error) {
    SearchOutcome outcome;
    outcome.status = SearchOutcome::Status::Unreadable;
    outcome.error = std::move(error);
    return outcome;
}

// Adds the outcome of one file of a word list to that of the files before it.
void addFile(SearchOutcome& list, SearchOutcome file, bool firstFile) {
    if (firstFile) {
        list = std::move(file);
        return;
    }
    if (list.status == SearchOutcome::Status::Done && file.status != SearchOutcome::Status::Done) {
        list.status = file.status;
        list.error = std::move(file.error);
    }
    list.count += file.count;
    if (list.skipped.count == 0) {
        list.skipped = file.skipped;
        list.skippedIn = std::move(file.skippedIn);
    } else {
        list.skipped.count += file.skipped.count;
    }
}

} // namespace

std::vector<SearchOutcome> search(SearchMode mode, const std::vector<std::u32string>& typed,
                                  RecordReader& reader, const std::vector<ResultSink*>& sinks,
                                  const SearchOptions& options) {
    std::vector<SearchOutcome> outcomes(typed.size());
    const Encoding encoding = options.encoding ? *options.encoding : reader.detectEncoding();
    for (SearchOutcome& outcome : outcomes)
        outcome.encoding = encoding;
    const CharacterRules rules(encoding, options.foldAccents);
    switch (mode) {
    case SearchMode::Complete:
        passWith<CompleteMatcher>(typed, sinks, rules, reader, outcomes);
        break;
    case SearchMode::Extended:
        passWith<ExtendedMatcher>(typed, sinks, rules, reader, outcomes);
        break;
    case SearchMode::Partial:
        passWith<PartialMatcher>(typed, sinks, rules, reader, outcomes);
        break;
    case SearchMode::ExtendedPartial:
        passWith<ExtendedPartialMatcher>(typed, sinks, rules, reader, outcomes);
        break;
    }
    for (SearchOutcome& outcome : outcomes) {
        if (reader.error() && outcome.status == SearchOutcome::Status::Done)
            outcome = unreadable(*reader.error());
        outcome.skipped = reader.skipped();
        if (outcome.skipped.count > 0)
            outcome.skippedIn = reader.name();
    }
    return outcomes;
}

SearchOutcome search(SearchMode mode, std::u32string_view typed, RecordReader& reader, Listing listing,
                     const SearchOptions& options) {
    std::string text;
    TextSink sink(text);
    SearchOutcome outcome = std::move(
        search(mode, {std::u32string(typed)}, reader, {listing == Listing::Text ? &sink : nullptr}, options)
            .front());
    if (outcome.status == SearchOutcome::Status::Done)
        outcome.text = std::move(text);
    return outcome;
}

std::vector<SearchOutcome> search(SearchMode mode, const std::vector<std::u32string>& typed,
                                  const WordList& list, const std::vector<ResultSink*>& sinks,
                                  const SearchOptions& options) {
    std::vector<SearchOutcome> outcomes(typed.size());
    bool firstFile = true;
    const std::optional<FileError> error = list.read([&](RecordReader& reader) {
        std::vector<SearchOutcome> file = search(mode, typed, reader, sinks, options);
        for (std::size_t i = 0; i < outcomes.size(); ++i)
            addFile(outcomes[i], std::move(file[i]), firstFile);
        firstFile = false;
        return true;
    });
    for (SearchOutcome& outcome : outcomes)
        if (error && outcome.status == SearchOutcome::Status::Done)
            outcome = unreadable(*error);
    return outcomes;
}

SearchOutcome search(SearchMode mode, std::u32string_view typed, const WordList& list, Listing listing) {
    std::string text;
    TextSink sink(text);
    SearchOutcome outcome = std::move(
        search(mode, {std::u32string(typed)}, list, {listing == Listing::Text ? &sink : nullptr}).front());
    if (outcome.status == SearchOutcome::Status::Done)
        outcome.text = std::move(text);
    return outcome;
}

} // namespace tovrel
