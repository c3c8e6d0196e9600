// Time from setting a results text to the end of the first paint, for ResultsBox and for a
// QPlainTextEdit of the same size and font, over the result texts of a few searches of the
// shipped word list; then the time to scroll the largest text to its end and back.
// Run headless: QT_QPA_PLATFORM=offscreen tovrel_results_box_bench [--runs N]

#include "paint_timer.h"
#include "search/search.h"
#include "windows/results_box.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScrollBar>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// Text1 of the main window: 8175 x 2055 twips at 15 twips a pixel.
constexpr int kWidth = 545;
constexpr int kHeight = 137;

struct Case {
    const char* name;
    QString text;
};

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

QString resultsText(tovrel::SearchMode mode, const std::u32string& word, tovrel::Listing listing) {
    const std::string dictionary = QCoreApplication::applicationDirPath().toStdString() + "/dictionary.txt";
    const tovrel::SearchOutcome outcome = tovrel::search(mode, word, dictionary, listing);
    if (outcome.status != tovrel::SearchOutcome::Status::Done) {
        std::fprintf(stderr, "results-box bench: cannot search %s\n", dictionary.c_str());
        std::exit(1);
    }
    return QString::fromLatin1(outcome.text.data(), static_cast<qsizetype>(outcome.text.size()));
}

template <typename Box> void prepare(Box& box) {
    box.setFont(QFont("Liberation Sans", 12, QFont::Bold));
    box.resize(kWidth, kHeight);
    PaintTimer(box.viewport()).millisecondsUntilPainted([&box] { box.show(); });
}

// Median milliseconds from setPlainText(text) to the end of the paint, each run starting
// from a box that shows a short text.
template <typename Box> double timeFirstPaint(Box& box, const QString& text, int runs) {
    PaintTimer timer(box.viewport());
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        timer.millisecondsUntilPainted([&box] { box.setPlainText(QStringLiteral("-")); });
        times.push_back(timer.millisecondsUntilPainted([&box, &text] { box.setPlainText(text); }));
    }
    return median(times);
}

double timeKey(QWidget& box, PaintTimer& timer, Qt::Key key) {
    return timer.millisecondsUntilPainted([&box, key] {
        QKeyEvent press(QEvent::KeyPress, key, Qt::ControlModifier);
        QCoreApplication::sendEvent(&box, &press);
    });
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    int runs = 5;
    const QStringList arguments = QCoreApplication::arguments();
    const qsizetype runsAt = arguments.indexOf(QStringLiteral("--runs"));
    if (runsAt > 0 && runsAt + 1 < arguments.size())
        runs = std::max(1, arguments[runsAt + 1].toInt());

    using tovrel::Listing;
    using tovrel::SearchMode;
    const std::u32string alphabet = U"abcdefghijklmnopqrstuvwxyz";
    const QString allLetters = resultsText(SearchMode::Partial, alphabet, Listing::Text);
    const std::vector<Case> cases = {
        {"complete \"ealpes\"", resultsText(SearchMode::Complete, U"ealpes", Listing::Text)},
        {"partial \"etaoinshrdlucm\"", resultsText(SearchMode::Partial, U"etaoinshrdlucm", Listing::Text)},
        {"partial a..z", allLetters},
        {"partial a..z, count only: empty", resultsText(SearchMode::Partial, alphabet, Listing::CountOnly)},
        {"partial a..z twice (synthetic)", allLetters + allLetters},
    };

    ResultsBox box;
    QPlainTextEdit baseline;
    baseline.setReadOnly(true);
    prepare(box);
    prepare(baseline);

    std::printf("First paint after setPlainText, %d x %d px, Liberation Sans 12 pt bold, median of %d runs\n",
                kWidth, kHeight, runs);
    std::printf("(ratio: ResultsBox time / QPlainTextEdit time)\n");
    std::printf("%-32s %9s %12s %16s %8s\n", "case", "chars", "ResultsBox", "QPlainTextEdit", "ratio");
    for (const Case& c : cases) {
        const double ours = timeFirstPaint(box, c.text, runs);
        const double theirs = timeFirstPaint(baseline, c.text, runs);
        std::printf("%-32s %9lld %9.2f ms %13.2f ms %8.3f\n", c.name, static_cast<long long>(c.text.size()),
                    ours, theirs, ours / theirs);
    }

    box.setPlainText(cases.back().text);
    PaintTimer timer(box.viewport());
    std::vector<double> toEnd;
    std::vector<double> toStart;
    for (int run = 0; run < runs; ++run) {
        toEnd.push_back(timeKey(box, timer, Qt::Key_End));
        toStart.push_back(timeKey(box, timer, Qt::Key_Home));
    }
    std::printf("\nScrolling ResultsBox through \"%s\" (%d lines), median of %d runs:\n", cases.back().name,
                box.verticalScrollBar()->maximum() + box.verticalScrollBar()->pageStep(), runs);
    std::printf("  Ctrl+End to the first paint:  %.2f ms\n", median(toEnd));
    std::printf("  Ctrl+Home to the first paint: %.2f ms\n", median(toStart));
    return 0;
}
