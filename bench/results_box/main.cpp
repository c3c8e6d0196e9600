// Times the main window from a search command to the end of the paint that shows its result,
// for searches of the shipped word list: Enter in Text2 (get anagrams) to Text1 painted, and a
// click on Command7 (count only) to Label4 painted. Beside it the search alone, the same text put
// into Text1 alone, and the same text put into a plain QPlainTextEdit of Text1's size and font,
// the baseline. Then Ctrl+End and Ctrl+Home through the largest result. Medians of several runs.
// Run headless: bench/results-box [--runs N]

#include "core/search/search.h"
#include "paint_timer.h"
#include "support/recording_desktop.h"
#include "ui/framework/classic_look.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/main/formain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextDocument>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kMinimumRuns = 5;
constexpr int kDefaultRuns = 7;
// One frame at 60 Hz, and the longest a search command may take to show its result.
constexpr double kFrameMs = 16;
constexpr double kCommandMs = 100;

enum class Command { GetAnagrams, CountOnly };

struct Case {
    const char* name;
    QRadioButton* formain::*option;
    tovrel::SearchMode mode;
    const char* word;
    Command command;
    double targetMs;
};

constexpr char kAlphabet[] = "abcdefghijklmnopqrstuvwxyz";

const Case kCases[] = {
    {"complete \"ealpes\"", &formain::Option1, tovrel::SearchMode::Complete, "ealpes", Command::GetAnagrams,
     kFrameMs},
    {"partial \"etaoinshrdlucm\"", &formain::Option3, tovrel::SearchMode::Partial, "etaoinshrdlucm",
     Command::GetAnagrams, kCommandMs},
    {"partial a..z", &formain::Option3, tovrel::SearchMode::Partial, kAlphabet, Command::GetAnagrams,
     kCommandMs},
    {"partial a..z, count only", &formain::Option3, tovrel::SearchMode::Partial, kAlphabet,
     Command::CountOnly, kCommandMs},
};

// What the window shows after a command: Text1 and the number in Label4.
struct Shown {
    QString text;
    QString count;

    bool operator==(const Shown& other) const { return text == other.text && count == other.count; }
    bool operator!=(const Shown& other) const { return !(*this == other); }
};

[[noreturn]] void fail(const char* caseName, const char* what) {
    std::fprintf(stderr, "results-box bench: %s: %s\n", caseName, what);
    std::exit(1);
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QString loadAverage() {
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("unknown");
    const QList<QByteArray> fields = file.readAll().split(' ');
    return fields.size() < 3 ? QStringLiteral("unknown")
                             : QString::fromLatin1(fields[0] + ' ' + fields[1] + ' ' + fields[2]);
}

tovrel::Listing listing(const Case& c) {
    return c.command == Command::CountOnly ? tovrel::Listing::CountOnly : tovrel::Listing::Text;
}

tovrel::SearchOutcome search(const Case& c, const std::string& dictionary) {
    const std::u32string typed(c.word, c.word + std::strlen(c.word));
    tovrel::SearchOutcome outcome = tovrel::search(c.mode, typed, dictionary, listing(c));
    if (outcome.status != tovrel::SearchOutcome::Status::Done)
        fail(c.name, "the search did not run through the word list");
    return outcome;
}

Shown shown(const formain& window) {
    return {window.Text1->toPlainText(), window.Label4->text()};
}

// Selects the case's mode and types its word afresh, which empties Text1 and Label4 as typing
// does, so that the command has a new result to show.
void prepare(formain& window, const Case& c) {
    (window.*c.option)->setChecked(true);
    window.Text2->clear();
    window.Text2->setText(QString::fromLatin1(c.word));
    // Enter goes to the input box that has the focus; a click on Command7 takes it away.
    window.Text2->setFocus();
}

void runCommand(formain& window, const Case& c) {
    if (c.command == Command::GetAnagrams)
        QTest::keyClick(window.Text2, Qt::Key_Return);
    else
        QTest::mouseClick(window.Command7, Qt::LeftButton);
}

// Runs the case's command once, untimed, and checks that the window shows what the core finds:
// the result that every timed run must paint.
Shown expectedResult(formain& window, const RecordingDesktop& desktop, const Case& c,
                     const std::string& dictionary) {
    const tovrel::SearchOutcome outcome = search(c, dictionary);
    const Shown expected{
        QString::fromLatin1(outcome.text.data(), static_cast<qsizetype>(outcome.text.size())),
        QString::number(outcome.count)};
    prepare(window, c);
    runCommand(window, c);
    QCoreApplication::processEvents();
    if (shown(window) != expected || !desktop.messages.isEmpty())
        fail(c.name, "the window does not show what the search finds");
    return expected;
}

double timeSearch(const Case& c, const std::string& dictionary) {
    QElapsedTimer clock;
    clock.start();
    search(c, dictionary);
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

// From the command to the end of the paint that shows its result: Text1's for get anagrams;
// Label4's for count only, which leaves Text1 empty and shows nothing but the number.
double timeCommand(formain& window, const RecordingDesktop& desktop, const Case& c, const Shown& expected) {
    prepare(window, c);
    const bool countOnly = c.command == Command::CountOnly;
    PaintTimer timer(countOnly ? static_cast<QWidget*>(window.Label4) : window.Text1->viewport());
    const double milliseconds =
        timer.millisecondsUntilPainted([&window, &c] { runCommand(window, c); },
                                       [&window, &expected] {
                                           return window.Label4->text() == expected.count &&
                                                  window.Text1->toPlainText().size() == expected.text.size();
                                       });
    if (milliseconds < 0 || shown(window) != expected || !desktop.messages.isEmpty())
        fail(c.name, "the command did not paint its result");
    return milliseconds;
}

qsizetype shownLength(const ResultsBox& box) {
    return box.toPlainText().size();
}

qsizetype shownLength(const QPlainTextEdit& box) {
    return box.document()->characterCount() - 1;
}

// From setPlainText to the end of the paint that shows the text, from a box that shows a short one.
template <typename Box> double timeSetText(Box& box, const Case& c, const QString& text) {
    box.setPlainText(QStringLiteral("-"));
    PaintTimer timer(box.viewport());
    const double milliseconds = timer.millisecondsUntilPainted(
        [&box, &text] { box.setPlainText(text); }, [&box, &text] { return shownLength(box) == text.size(); });
    if (milliseconds < 0 || box.toPlainText() != text)
        fail(c.name, "the box did not paint the text");
    return milliseconds;
}

// Ctrl+End or Ctrl+Home in the box to the end of the paint of the view at that end.
double timeScroll(ResultsBox& box, Qt::Key key) {
    const QScrollBar* bar = box.verticalScrollBar();
    const int end = key == Qt::Key_End ? bar->maximum() : bar->minimum();
    PaintTimer timer(box.viewport());
    const double milliseconds =
        timer.millisecondsUntilPainted([&box, key] { QTest::keyClick(&box, key, Qt::ControlModifier); },
                                       [bar, end] { return bar->value() == end; });
    if (milliseconds < 0)
        fail("scrolling", "the box did not paint the end of its text");
    return milliseconds;
}

const char* verdict(double milliseconds, double targetMs) {
    return milliseconds <= targetMs ? "met" : "MISSED";
}

int runsFromArguments() {
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype at = arguments.indexOf(QStringLiteral("--runs"));
    if (at > 0 && at + 1 < arguments.size())
        return std::max(kMinimumRuns, arguments[at + 1].toInt());
    return kDefaultRuns;
}

} // namespace

int main(int argc, char* argv[]) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As the program starts: its style, colours and the fonts the window definitions name.
    installClassicLook();
    const int runs = runsFromArguments();
    const QString loadAtStart = loadAverage();

    // Every program of the build sits beside the build's copy of the shipped word list.
    const QString dictionaryPath = QCoreApplication::applicationDirPath() + QStringLiteral("/dictionary.txt");
    if (!QFileInfo(dictionaryPath).isReadable())
        fail("word list", "no readable dictionary.txt beside the benchmark");
    const std::string dictionary = QFile::encodeName(dictionaryPath).toStdString();

    RecordingDesktop desktop;
    formain window(dictionary, desktop);
    window.show();
    QPlainTextEdit baseline;
    baseline.setReadOnly(true);
    baseline.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    baseline.setFont(window.Text1->font());
    baseline.resize(window.Text1->size());
    baseline.show();
    if (!QTest::qWaitForWindowExposed(&window) || !QTest::qWaitForWindowExposed(&baseline))
        fail("windows", "not shown");

    struct Row {
        const Case* c;
        Shown expected;
        std::vector<double> search, text1, command, baseline;
    };
    std::vector<Row> rows;
    for (const Case& c : kCases)
        rows.push_back({&c, expectedResult(window, desktop, c, dictionary), {}, {}, {}, {}});
    // Runs of the cases take turns, so that a burst of load on the machine spreads over all of them.
    for (int run = 0; run < runs; ++run) {
        for (Row& row : rows) {
            row.search.push_back(timeSearch(*row.c, dictionary));
            row.text1.push_back(timeSetText(*window.Text1, *row.c, row.expected.text));
            row.command.push_back(timeCommand(window, desktop, *row.c, row.expected));
            row.baseline.push_back(timeSetText(baseline, *row.c, row.expected.text));
        }
    }

    // The largest result, shown by its command, from its first line.
    const Row& largest = *std::max_element(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        return a.expected.text.size() < b.expected.text.size();
    });
    prepare(window, *largest.c);
    runCommand(window, *largest.c);
    const QScrollBar* bar = window.Text1->verticalScrollBar();
    if (shown(window) != largest.expected || bar->maximum() == 0)
        fail(largest.c->name, "the largest result does not fill more than the box");
    std::vector<double> toEnd;
    std::vector<double> toStart;
    for (int run = 0; run < runs; ++run) {
        toEnd.push_back(timeScroll(*window.Text1, Qt::Key_End));
        toStart.push_back(timeScroll(*window.Text1, Qt::Key_Home));
    }
    const int largestLines = bar->maximum() + bar->pageStep();

    const QFont font = window.Text1->font();
    std::printf("Results box in the main window, headless (%s), %s, median of %d runs\n",
                qPrintable(QGuiApplication::platformName()), qPrintable(dictionaryPath), runs);
    std::printf("Text1 and the baseline: %d x %d px, %s (drawn as %s) %g pt%s\n", window.Text1->width(),
                window.Text1->height(), qPrintable(font.family()), qPrintable(QFontInfo(font).family()),
                font.pointSizeF(), font.bold() ? " bold" : "");
    std::printf("load average (1, 5, 15 min): %s at the start, %s at the end\n\n", qPrintable(loadAtStart),
                qPrintable(loadAverage()));
    std::printf("  search       tovrel::search alone: reading the list, building the text\n"
                "  Text1 alone  Text1->setPlainText(text) to Text1 painted, in the window\n"
                "  command      Enter in Text2 to Text1 painted; count only: a click on Command7 to Label4\n"
                "               painted with the number (the command leaves Text1 empty)\n"
                "  baseline     QPlainTextEdit::setPlainText(text) to painted, Text1's size and font\n"
                "  cmd/base     command / baseline (the command also reads the list; the baseline does not)\n"
                "  Text1/base   Text1 alone / baseline: the same work in both boxes\n\n");
    std::printf("| %-26s | %7s | %9s | %8s | %11s | %9s | %11s | %8s | %10s | %6s | %-6s |\n", "case",
                "matches", "chars", "search", "Text1 alone", "command", "baseline", "cmd/base", "Text1/base",
                "target", "");
    std::puts("|----------------------------|--------:|----------:|---------:|------------:|----------:|-----"
              "-------:|---------:|-----------:|-------:|--------|");
    bool allMet = true;
    for (const Row& row : rows) {
        const double command = median(row.command);
        const double alone = median(row.text1);
        const double base = median(row.baseline);
        allMet = allMet && command <= row.c->targetMs;
        std::printf("| %-26s | %7s | %9lld | %5.2f ms | %8.2f ms | %6.2f ms | %8.2f ms | %8.3f | %10.4f | "
                    "%3.0f ms | %-6s |\n",
                    row.c->name, qPrintable(row.expected.count),
                    static_cast<long long>(row.expected.text.size()), median(row.search), alone, command,
                    base, command / base, alone / base, row.c->targetMs, verdict(command, row.c->targetMs));
    }

    std::printf("\nScrolling Text1 through the result of %s (%d lines), in the window:\n", largest.c->name,
                largestLines);
    const auto printScroll = [&allMet](const char* name, const std::vector<double>& times) {
        const double milliseconds = median(times);
        allMet = allMet && milliseconds <= kFrameMs;
        std::printf("  %-22s %6.2f ms   target %2.0f ms   %s\n", name, milliseconds, kFrameMs,
                    verdict(milliseconds, kFrameMs));
    };
    printScroll("Ctrl+End to painted", toEnd);
    printScroll("Ctrl+Home to painted", toStart);
    std::printf("\nEvery target met: %s\n", allMet ? "yes" : "no");
    return 0;
}
