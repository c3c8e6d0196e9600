// The fault table of the main window: the bad word lists and bad typed words of
// the core's table through the search commands, the scrambler and the add-word
// command, and the bad places to append to.

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
    auto window = std::make_unique<formain>(QString::fromStdString(path), desktop);
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

std::string latin1(std::u32string_view word) {
    std::string out;
    for (const char32_t c : word)
        out += static_cast<char>(c);
    return out;
}

template <typename Rows> void addRowNumbers(const Rows& rows) {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < rows.size(); ++i)
        QTest::newRow(std::string(rows[i].name).c_str()) << int(i);
}

} // namespace

class WindowFaults : public QObject {
    Q_OBJECT
private slots:
    void badLists_data() { addRowNumbers(faults::badLists()); }
    void badLists();
    void typedWords_data() { addRowNumbers(faults::typedWords()); }
    void typedWords();
    void scrambler_data() { addRowNumbers(faults::typedWords()); }
    void scrambler();
    void addWord_data() { addRowNumbers(faults::typedWords()); }
    void addWord();
    void badAppends_data() { addRowNumbers(faults::badAppends()); }
    void badAppends();
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
        QCOMPARE(window->Text1->toPlainText(), fromCodePoints(tovrel::scrambleInOnePass(word.typed)));
    }
    QCOMPARE(window->Text2->text(), fromCodePoints(word.typed));
}

// A word the list can store is added as typed and read back; any other is
// refused with a message, and the list stays byte for byte as it was.
void WindowFaults::addWord() {
    QFETCH(int, row);
    const faults::TypedWord word = faults::typedWords()[std::size_t(row)];
    ScratchFolder folder;
    const std::string before = "asleep\r\n";
    const std::string path = folder.write("dictionary.txt", before);
    RecordingDesktop desktop;
    auto window = openWindow(path, desktop);
    window->Text2->setText(fromCodePoints(word.typed));
    window->Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(window->Command6, Qt::LeftButton);

    if (word.typed.empty()) {
        QCOMPARE(desktop.messages,
                 QStringList{QStringLiteral("Please Enter The Word First In the INPUT BOX")});
        QCOMPARE(ScratchFolder::read(path), before);
    } else if (word.storable) {
        QCOMPARE(ScratchFolder::read(path), before + "\"" + latin1(word.typed) + "\"\r\n");
        QCOMPARE(window->Text1->toPlainText(),
                 QStringLiteral("The Word ") + fromCodePoints(word.typed) +
                     QStringLiteral(" was successfully added to the Dictionary"));
    } else {
        QCOMPARE(desktop.messages.size(), 1);
        QVERIFY(desktop.messages.front().contains(QStringLiteral("was not added")));
        QCOMPARE(ScratchFolder::read(path), before);
        QCOMPARE(window->Text1->toPlainText(), QStringLiteral("earlier results"));
    }
}

void WindowFaults::badAppends() {
    QFETCH(int, row);
    const faults::BadAppend append = faults::badAppends()[std::size_t(row)];
    ScratchFolder folder;
    const std::string path = faults::makeAppendTarget(append, folder);
    QVERIFY(!path.empty());
    RecordingDesktop desktop;
    auto window = openWindow(path, desktop);
    window->Text2->setText(QStringLiteral("zebra"));
    window->Text1->setPlainText(QStringLiteral("earlier results"));
    QTest::mouseClick(window->Command6, Qt::LeftButton);

    if (append.succeeds) {
        QCOMPARE(ScratchFolder::read(path), append.after);
        QCOMPARE(window->Text1->toPlainText(),
                 QStringLiteral("The Word zebra was successfully added to the Dictionary"));
        QCOMPARE(desktop.messages.size(), 1); // the confirmation alone
    } else {
        QCOMPARE(desktop.messages.size(), 2); // the confirmation, then why nothing was added
        QVERIFY(desktop.messages.back().contains(QStringLiteral("was not added")));
        QCOMPARE(window->Text1->toPlainText(), QStringLiteral("earlier results"));
        if (append.kind == faults::BadAppend::Kind::MissingFolder)
            QVERIFY(!QFileInfo::exists(QString::fromStdString(path)));
    }
}

QTEST_MAIN(WindowFaults)
#include "tst_window_faults.moc"
