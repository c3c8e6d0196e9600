#include "core/search/pattern_search.h"

#include "core/search/pattern_matcher.h"
#include "core/wordlist/list_files.h"
#include "core/wordlist/record_reader.h"
#include "core/wordlist/utf8.h"

namespace tovrel {

FindOutcome findPattern(const PatternOptions& options, const ListFiles& list, FoundSink* sink) {
    FindOutcome outcome;
    std::optional<PatternMatcher> matcher;
    std::string shown; // a match in UTF-8, padded
    bool stopped = false;
    const std::optional<FileError> error =
        list.read(options.reading.encoding, [&](RecordReader& file, std::size_t number, Encoding encoding) {
            if (number == 0) {
                PatternMatcher::Made made = PatternMatcher::make(
                    options.pattern, CharacterRules(encoding, options.reading.foldAccents));
                if (!made.matcher) {
                    outcome = FindOutcome::badInput(made.refusal);
                    return false;
                }
                matcher = std::move(made.matcher);
            }
            stopped = !file.forEachRecordIn(encoding, [&](std::string_view record, bool ascii) {
                if (!matcher->matches(record, ascii))
                    return true;
                if (sink) {
                    shown.clear();
                    appendAsUtf8(record, encoding, shown);
                    const std::size_t size = shown.size();
                    shown.append(kFoundTextPadding, '\0');
                    const std::string_view entry(shown.data(), size);
                    const FoundWord word{&entry, 1};
                    if (!sink->add(&word, 1))
                        return false;
                }
                ++outcome.count;
                return true;
            });
            outcome.addSkipped(file.skipped(), file.name());
            return !stopped;
        });
    if (outcome.status == FindOutcome::Status::BadInput)
        return outcome;
    if (error)
        return FindOutcome::unreadable("cannot read the word list " + error->message(), outcome.count);
    if (stopped)
        outcome.status = FindOutcome::Status::Stopped;
    return outcome;
}

} // namespace tovrel
