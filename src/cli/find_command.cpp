#include "cli/find_command.h"

#include "cli/utf8.h"
#include "core/search/messages.h"
#include "core/search/search.h"

#include <optional>
#include <ostream>

namespace tovrel {
namespace {

constexpr char kUsage[] =
    "Usage: tovrel2-find [--dictionary PATH] [--count] MODE WORD\n"
    "\n"
    "Lists the words of the word list that fit WORD, as the Tovrel 2 results box shows them.\n"
    "\n"
    "MODE is one of:\n"
    "  complete           exact anagrams: each letter used as often as in WORD\n"
    "  extended           the same letters as WORD, each any number of times, any length\n"
    "  partial            words no longer than WORD made only of its characters\n"
    "  extended-partial   words at least as long as WORD made only of its characters\n"
    "\n"
    "Options:\n"
    "  --dictionary PATH  the word list to search (default: its own, with your added words)\n"
    "  --count            print only the number of matching words\n"
    "  --help             print this text\n"
    "\n"
    "Exit status: 0 searched, 1 the word list cannot be read, 2 a word or arguments that\n"
    "cannot be searched.\n";

enum ExitStatus { kSearched = 0, kUnreadable = 1, kRefused = 2 };

// Writes the matches as the results box would hold them, in UTF-8, in large
// pieces, so that a long result is neither kept whole nor written word by word.
class Utf8Writer : public ResultSink {
public:
    explicit Utf8Writer(std::ostream& out) : out_(out) { pending_.reserve(kPiece + 1024); }
    ~Utf8Writer() override { flush(); }

    void add(std::string_view match) override {
        appendLatin1AsUtf8(match, pending_);
        pending_ += messages::kResultSeparator;
        if (pending_.size() >= kPiece)
            flush();
    }
    void flush() {
        out_.write(pending_.data(), static_cast<std::streamsize>(pending_.size()));
        pending_.clear();
    }

private:
    static constexpr std::size_t kPiece = 64 * 1024;
    std::ostream& out_;
    std::string pending_;
};

} // namespace

int runFindCommand(const std::vector<std::string>& arguments, const WordList& defaultList, std::ostream& out,
                   std::ostream& err) {
    WordList dictionary = defaultList;
    Listing listing = Listing::Text;
    std::vector<std::string> operands;
    bool onlyOperands = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (onlyOperands || argument.empty() || argument[0] != '-' || argument == "-") {
            operands.push_back(argument);
        } else if (argument == "--") {
            onlyOperands = true;
        } else if (argument == "--help" || argument == "-h") {
            out << kUsage;
            return kSearched;
        } else if (argument == "--count") {
            listing = Listing::CountOnly;
        } else if (argument == "--dictionary" && i + 1 < arguments.size()) {
            dictionary = arguments[++i];
        } else if (argument.rfind("--dictionary=", 0) == 0) {
            dictionary = argument.substr(13);
        } else {
            err << "tovrel2-find: unknown option " << argument << "\n\n" << kUsage;
            return kRefused;
        }
    }
    if (operands.size() != 2) {
        err << "tovrel2-find: give a MODE and a WORD\n\n" << kUsage;
        return kRefused;
    }
    const std::optional<SearchMode> mode = modeFromName(operands[0]);
    if (!mode) {
        err << "tovrel2-find: unknown mode " << operands[0] << "\n\n" << kUsage;
        return kRefused;
    }
    if (operands[1].empty()) {
        err << messages::kEmptyInput << '\n';
        return kRefused;
    }

    Utf8Writer writer(out);
    const SearchOutcome outcome =
        search(*mode, decodeUtf8(operands[1]), dictionary, listing == Listing::Text ? &writer : nullptr);
    writer.flush();
    switch (outcome.status) {
    case SearchOutcome::Status::RefusedInput:
        err << messages::kNoSymbols << '\n';
        return kRefused;
    case SearchOutcome::Status::Unreadable:
        err << "tovrel2-find: cannot read the word list " << outcome.error->message() << '\n';
        return kUnreadable;
    case SearchOutcome::Status::Done:
        break;
    }
    if (listing == Listing::CountOnly)
        out << outcome.count;
    else if (outcome.count == 0)
        out << messages::kNoResult;
    out << '\n';
    return kSearched;
}

} // namespace tovrel
