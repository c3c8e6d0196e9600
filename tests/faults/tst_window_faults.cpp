// The fault table of the main window: the bad word lists and bad typed words of
// the core's table through the search commands, and the bad typed words through
// the scrambler. What the add-word command makes of a word or a list it cannot
// store is its own test's, tests/ui/windows/main/tst_add_word.cpp.

#include "core/game/scramble.h"
#include "core/search/messages.h"
#include "faults/fault_tables.h"
#include "support/recording_desktop.h"
#include "ui/framework/code_points.h"
#include "ui/widgets/results_box.h"
#include "ui/windows/main/formain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <memory>

namespace {

namespace messages = tovrel::messages;

std::unique_ptr<formain> openWindow(const std::string& path, Desktop& desktop) {
    auto window = std::make_unique<formain>(path, desktop);
    window->show();
    return window;
}

void search(formain& window, tovrel::SearchMode mode) {
    QRadioButton* options[] = {window.Option1, window.Option2, window.Option3, window.Option4};
    options[faults::modeIndex(mode)]->setChecked(true);
    QTest::keyClick(window.Text2, Qt::Key_Return);
}

// Text1 and Label4 show what the search found, or the no-result text.
bool shows(const formain& window, const faults::Found& found) {
    const QString text = found.count()
                             ? QString::fromLatin1(found.text().data(), qsizetype(found.text().size()))
                             : QString::fromLatin1(messages::kNoResult);
    return window.Text1->toPlainText() == text && window.Label4->text() == QString::number(found.count());
}

template <typename Rows> void addRowNumbers(const Rows& rows) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(std::string(rows[i].name).c_str()) << int(i);
}

// The window shows what the core gives it; a list of a few megabytes shows that
// as well as one of many. The rows that hold the reader to lists larger than
// that are the core's and tovrel2-find's.
constexpr std::size_t kWindowListBytes = std::size_t{4} << 20;

void addWindowSizedLists() {
    QTest::addColumn<int>("row");
    const std::vector<faults::BadList> lists = faults::badLists();
    for (std::size_t i = 0; i < lists.size(); ++i) {
        std::size_t bytes = 0;
        for (const faults::Run& run : lists[i].content)
            bytes += run.text.size() * run.times;
        if (bytes <= kWindowListBytes)
            QTest::newRow(lists[i].name) << int(i);
    }
}

} // namespace

class WindowFaults : public QObject {
    Q_OBJECT
private slots:
    void badLists_data() { addWindowSizedLists(); }
    void badLists();
    void typedWords_data() { addRowNumbers(faults::typedWords()); }
    void typedWords();
    void scrambler_data() { addRowNumbers(faults::typedWords()); }
    void scrambler();
};

// Each mode shows its result, or says which list cannot be read and leaves the
// window as a refused word does.
void WindowFaults::badLists() {
    QFETCH(int, row);
    const faults::BadList list = faults::badLists()[std::size_t(row)];
    ScratchFolder folder;
    const std::string path = faults::makeList(list, folder);
    RecordingDesktop desktop;
    auto window = openWindow(path, desktop);
    window->Text2->setText(fromCodePoints(faults::kTyped));
    for (const tovrel::SearchMode mode : faults::kModes) {
        desktop.messages.clear();
        search(*window, mode);
        if (list.kind == faults::BadList::Kind::File) {
            QVERIFY2(shows(*window, list.found[faults::modeIndex(mode)]), tovrel::modeName(mode).data());
            if (*list.warning) {
                QCOMPARE(desktop.messages.size(), 1);
                QVERIFY(desktop.messages.front().contains(QString::fromStdString(path)));
                QVERIFY(desktop.messages.front().contains(QString::fromLatin1(list.warning)));
            } else {
                QVERIFY(desktop.messages.isEmpty());
            }
        } else {
            QCOMPARE(desktop.messages.size(), 1);
            QVERIFY(desktop.messages.front().contains(QString::fromStdString(path)));
            QVERIFY(desktop.messages.front().contains(QString::fromLatin1(list.reason)));
            QCOMPARE(window->Text1->toPlainText(), QString());
            QCOMPARE(window->Label4->text(), QStringLiteral("0"));
        }
    }
}

void WindowFaults::typedWords() {
    QFETCH(int, row);
    const faults::TypedWord word = faults::typedWords()[std::size_t(row)];
    ScratchFolder folder;
    RecordingDesktop desktop;
    auto window = openWindow(folder.write("dictionary.txt", faults::typedWordListContent()), desktop);
    window->Text2->setText(fromCodePoints(word.typed));
    QCOMPARE(window->Text2->text(), fromCodePoints(word.typed));
    for (const tovrel::SearchMode mode : faults::kModes) {
        desktop.messages.clear();
        search(*window, mode);
        const char* modeName = tovrel::modeName(mode).data();
        if (word.typed.empty()) {
            QCOMPARE(desktop.messages, QStringList{QString::fromLatin1(messages::kEmptyInput)});
            QCOMPARE(window->Label4->text(), QStringLiteral("0"));
        } else if (mode == tovrel::SearchMode::Complete && word.refusedByComplete) {
            QCOMPARE(desktop.messages, QStringList{QString::fromLatin1(messages::kNoSymbols)});
            QCOMPARE(window->Text1->toPlainText(), QString());
            QCOMPARE(window->Label4->text(), QStringLiteral("0"));
        } else {
            QVERIFY2(shows(*window, faults::foundIn(word.found[faults::modeIndex(mode)])), modeName);
            QVERIFY2(desktop.messages.isEmpty(), modeName);
        }
    }
}

void WindowFaults::scrambler() {
    QFETCH(int, row);
    const faults::TypedWord word = faults::typedWords()[std::size_t(row)];
    ScratchFolder folder;
    RecordingDesktop desktop;
    auto window = openWindow(folder.write("dictionary.txt", "asleep\r\n"), desktop);
    window->Text2->setText(fromCodePoints(word.typed));
    QTest::mouseClick(window->Command5, Qt::LeftButton);
    if (word.typed.empty()) {
        QCOMPARE(desktop.messages,
                 QStringList{QStringLiteral("Please enter the word first in the INPUT BOX")});
        QCOMPARE(window->Text1->toPlainText(), QString());
    } else {
        QVERIFY(desktop.messages.isEmpty());
        QCOMPARE(window->Text1->toPlainText(), fromCodePoints(tovrel::scramble(word.typed)));
    }
    QCOMPARE(window->Text2->text(), fromCodePoints(word.typed));
}

QTEST_MAIN(WindowFaults)
#include "tst_window_faults.moc"
