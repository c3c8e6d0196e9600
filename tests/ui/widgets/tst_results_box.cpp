#include "ui/widgets/monospaced_box.h"
#include "ui/widgets/results_box.h"
#include "ui/widgets/results_box_layout.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// The middle of a text line's height, `line` lines below the top of the viewport.
int lineMiddle(const ResultsBox& box, int line) {
    const int height = QFontMetrics(box.font()).lineSpacing();
    return line * height + height / 2 + 2;
}

// Opens the box's context menu and chooses the entry `text`; false if there is none enabled.
bool chooseFromContextMenu(ResultsBox& box, const QString& text) {
    bool chosen = false;
    QTimer chooser;
    chooser.setSingleShot(true);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (QAction* action : menu->actions()) {
            if (action->text() == text && action->isEnabled()) {
                menu->setActiveAction(action);
                chosen = true;
            }
        }
        if (chosen)
            QTest::keyClick(menu, Qt::Key_Return);
        else
            menu->close();
    });
    chooser.start(0);
    const QPoint point(10, 10);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, box.viewport()->mapToGlobal(point));
    QApplication::sendEvent(box.viewport(), &event);
    return chosen;
}

using KeyPresses = std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>>;

QTestEventList keys(KeyPresses presses) {
    QTestEventList events;
    for (const auto& [key, modifiers] : presses)
        events.addKeyClick(key, modifiers);
    return events;
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kCtrlShift = Qt::ControlModifier | Qt::ShiftModifier;

} // namespace

class TestResultsBox : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void lineStarts_data();
    void lineStarts();
    void lineEndsLeaveOutTheBreak();
    void scrollRangeCoversTheText_data();
    void scrollRangeCoversTheText();
    void relayoutFollowsFontAndWidth_data();
    void relayoutFollowsFontAndWidth();
    void textReadsBackAsSet_data();
    void textReadsBackAsSet();
    void selectAllAndCopy_data();
    void selectAllAndCopy();
    void copyWithoutSelectionKeepsClipboard();
    void typingChangesNothing();
    void caretKeys_data();
    void caretKeys();
    void caretShownWhileFocused();
    void scrollingToTheEndShowsTheLastLine();
    void wheelScrollsByLines();
    void keyboardSelection_data();
    void keyboardSelection();
    void pageSelectionTakesAPageOfLines();
    void mouseSelection_data();
    void mouseSelection();
    void doubleClickSelectsAWord();
    void draggingBelowTheBoxScrolls();
    void newTextDropsSelectionAndScrollsToTop();
};

void TestResultsBox::initTestCase() {
    QCOMPARE(QFontInfo(monospaced()).family(), QStringLiteral("Liberation Mono"));
    QVERIFY(QFontInfo(monospaced()).fixedPitch());
}

void TestResultsBox::lineStarts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("columns");
    QTest::addColumn<std::vector<int>>("starts");

    QTest::newRow("wraps after the last blank that fits")
        << "asleep, elapse, please, " << 18.5 << std::vector<int>{0, 16};
    QTest::newRow("line exactly as wide as the box") << "abcd efgh" << 9.0 << std::vector<int>{0};
    QTest::newRow("one column short of it") << "abcd efgh" << 8.9 << std::vector<int>{0, 5};
    QTest::newRow("blanks hang past the edge") << "abcd    efgh" << 5.5 << std::vector<int>{0, 8};
    QTest::newRow("word longer than the line broken at the edge")
        << "abcdefghij" << 4.5 << std::vector<int>{0, 4, 8};
    QTest::newRow("long word after a short one moves down first")
        << "ab abcdefghij" << 4.5 << std::vector<int>{0, 3, 7, 11};
    QTest::newRow("character wider than the line stands alone") << "abc" << 0.5 << std::vector<int>{0, 1, 2};
    QTest::newRow("tab as wide as eight blanks") << "a\tb" << 9.5 << std::vector<int>{0, 2};
    QTest::newRow("surrogate pair never split")
        << QString::fromUtf8("\U0001D538\U0001D538") << 0.5 << std::vector<int>{0, 2};
    QTest::newRow("line feed") << "ab\ncd" << 20.0 << std::vector<int>{0, 3};
    QTest::newRow("carriage return and line feed, one break") << "ab\r\ncd" << 20.0 << std::vector<int>{0, 4};
    QTest::newRow("lone carriage return") << "ab\rcd" << 20.0 << std::vector<int>{0, 3};
    QTest::newRow("break at the end opens an empty line") << "ab\n" << 20.0 << std::vector<int>{0, 3};
    QTest::newRow("two breaks leave an empty line") << "ab\n\ncd" << 20.0 << std::vector<int>{0, 3, 4};
    QTest::newRow("break starts a fresh width") << "abcd\nabcd" << 4.5 << std::vector<int>{0, 5};
    QTest::newRow("empty text is one empty line") << "" << 20.0 << std::vector<int>{0};
}

void TestResultsBox::lineStarts() {
    QFETCH(QString, text);
    QFETCH(double, columns);
    QFETCH(std::vector<int>, starts);

    ResultsBoxLayout layout(monospaced());
    layout.setWidth(widthOfColumns(columns));
    layout.setText(text);
    std::vector<int> actual;
    for (int line = 0; line < layout.lineCount(); ++line)
        actual.push_back(layout.lineStart(line));
    QCOMPARE(actual, starts);
}

void TestResultsBox::lineEndsLeaveOutTheBreak() {
    ResultsBoxLayout layout(monospaced());
    layout.setWidth(widthOfColumns(4.5));
    layout.setText("ab\r\ncd\nabcdef");
    QCOMPARE(layout.lineCount(), 4);
    const int ends[] = {2, 6, 11, 13};
    for (int line = 0; line < layout.lineCount(); ++line)
        QCOMPARE(layout.lineEnd(line), ends[line]);
}

void TestResultsBox::scrollRangeCoversTheText_data() {
    QTest::addColumn<int>("words");
    QTest::addColumn<int>("lines");

    // Five words of six columns, the last blank hanging, fill a line of 30 columns.
    QTest::newRow("one short line") << 3 << 1;
    QTest::newRow("lines just filled") << 50 << 10;
    QTest::newRow("one word on the last line") << 51 << 11;
    QTest::newRow("a large result") << 250000 << 50000;
}

void TestResultsBox::scrollRangeCoversTheText() {
    QFETCH(int, words);
    QFETCH(int, lines);

    ResultsBox box;
    // 30 columns and the margins, narrower than the 31 the next word would need.
    showBox(box, viewportOf(30.5, 8));
    box.setPlainText(QStringLiteral("abcd, ").repeated(words));

    const QScrollBar* bar = box.verticalScrollBar();
    const int lineHeight = QFontMetrics(box.font()).lineSpacing();
    QVERIFY(bar->pageStep() >= 1);
    QVERIFY(bar->pageStep() * lineHeight <= box.viewport()->height());
    QCOMPARE(bar->minimum(), 0);
    QCOMPARE(bar->maximum(), std::max(0, lines - bar->pageStep()));
}

void TestResultsBox::relayoutFollowsFontAndWidth_data() {
    QTest::addColumn<bool>("largerFont");
    QTest::addColumn<bool>("narrower");

    QTest::newRow("larger font") << true << false;
    QTest::newRow("narrower box") << false << true;
}

void TestResultsBox::relayoutFollowsFontAndWidth() {
    QFETCH(bool, largerFont);
    QFETCH(bool, narrower);

    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(QStringLiteral("asleep, elapse, please, sapele, ").repeated(100));
    const int before = box.verticalScrollBar()->maximum();
    if (largerFont) {
        QFont font = monospaced();
        font.setPixelSize(20);
        box.setFont(font);
    }
    if (narrower)
        box.resize(box.width() - 100, box.height());
    QVERIFY(box.verticalScrollBar()->maximum() > before);
}

void TestResultsBox::textReadsBackAsSet_data() {
    QTest::addColumn<QString>("text");

    QTest::newRow("paragraph of results") << "asleep, elapse, please, sapele, ";
    QTest::newRow("line feeds") << "No words found\nTry another\n";
    QTest::newRow("carriage returns and line feeds") << "one\r\ntwo\r\n";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("beyond Latin-1") << QString::fromUtf8("caf\u00e9, \u0161a, \U0001D538");
    QTest::newRow("empty") << "";
}

void TestResultsBox::textReadsBackAsSet() {
    QFETCH(QString, text);

    ResultsBox box;
    QSignalSpy changed(&box, &ResultsBox::textChanged);
    box.setPlainText("something else");
    box.setPlainText(text);
    QCOMPARE(box.toPlainText(), text);
    QCOMPARE(changed.count(), 2);
    box.clear();
    QCOMPARE(box.toPlainText(), QString());
    QCOMPARE(changed.count(), 3);
}

void TestResultsBox::selectAllAndCopy_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("way");

    const QString results = "asleep, elapse, please, sapele, ";
    const QString lines = "one\r\ntwo\nthree \U0001D538";
    for (const char* way : {"Ctrl+A, Ctrl+C", "Ctrl+A, Ctrl+Insert", "context menu"}) {
        QTest::addRow("results, %s", way) << results << QString(way);
        QTest::addRow("lines, %s", way) << lines << QString(way);
    }
    QTest::newRow("three megabytes, Ctrl+A, Ctrl+C")
        << QStringLiteral("abcdefgh, ").repeated(300000) << QStringLiteral("Ctrl+A, Ctrl+C");
}

void TestResultsBox::selectAllAndCopy() {
    QFETCH(QString, text);
    QFETCH(QString, way);

    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(text);
    QGuiApplication::clipboard()->setText("before");
    if (way == "context menu") {
        QVERIFY(!chooseFromContextMenu(box, "Copy"));
        QVERIFY(chooseFromContextMenu(box, "Select All"));
        QVERIFY(chooseFromContextMenu(box, "Copy"));
    } else {
        QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&box, way.endsWith("Insert") ? Qt::Key_Insert : Qt::Key_C, Qt::ControlModifier);
    }
    QCOMPARE(box.selectedText(), text);
    QCOMPARE(QGuiApplication::clipboard()->text(), text);
}

void TestResultsBox::copyWithoutSelectionKeepsClipboard() {
    ResultsBox box;
    box.setPlainText("asleep, elapse, ");
    QGuiApplication::clipboard()->setText("before");
    QTest::keyClick(&box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
}

void TestResultsBox::typingChangesNothing() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText("asleep, elapse, ");
    QGuiApplication::clipboard()->setText("pasted");
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(&box, "typed");
    QTest::keyClick(&box, Qt::Key_Backspace);
    QTest::keyClick(&box, Qt::Key_Delete);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(box.toPlainText(), QStringLiteral("asleep, elapse, "));
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("pasted"));
}

void TestResultsBox::caretKeys_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTestEventList>("presses");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("topLine");

    // A hundred lines in a box that shows eight: the view can go down to line 92.
    constexpr int page = 8;
    constexpr int lastTop = 100 - page;
    const QString lines = numberedLines(100);
    const auto at = [&lines](int line, int column) {
        return static_cast<int>(lines.indexOf(QStringLiteral("line %1").arg(line))) + column;
    };
    const int end = static_cast<int>(lines.size());
    const QString shortLine = "abcdefgh\nab\nabcdefgh";
    const QString wrapped = "asleep, elapse, please, "; // wraps after "elapse, "

    QTest::newRow("Right, a character") << lines << keys({{Qt::Key_Right, kNone}}) << 1 << 0;
    QTest::newRow("Left at the start stays") << lines << keys({{Qt::Key_Left, kNone}}) << 0 << 0;
    QTest::newRow("Ctrl+Right to the next word") << lines << keys({{Qt::Key_Right, kCtrl}}) << at(0, 5) << 0;
    QTest::newRow("Ctrl+Right over a line break")
        << lines << keys({{Qt::Key_Right, kCtrl}, {Qt::Key_Right, kCtrl}}) << at(1, 0) << 0;
    QTest::newRow("Ctrl+Left back to a word's start")
        << lines << keys({{Qt::Key_End, kNone}, {Qt::Key_Left, kCtrl}}) << at(0, 5) << 0;
    QTest::newRow("Down keeps the column")
        << lines << keys({{Qt::Key_Right, kNone}, {Qt::Key_Right, kNone}, {Qt::Key_Down, kNone}}) << at(1, 2)
        << 0;
    QTest::newRow("Down below the view scrolls a line") << lines
                                                        << keys({{Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone},
                                                                 {Qt::Key_Down, kNone}})
                                                        << at(page, 0) << 1;
    QTest::newRow("Up on the first line stays") << lines << keys({{Qt::Key_Up, kNone}}) << 0 << 0;
    QTest::newRow("End of the line") << lines << keys({{Qt::Key_Down, kNone}, {Qt::Key_End, kNone}})
                                     << at(1, 6) << 0;
    QTest::newRow("Home of the line")
        << lines << keys({{Qt::Key_Down, kNone}, {Qt::Key_End, kNone}, {Qt::Key_Home, kNone}}) << at(1, 0)
        << 0;
    QTest::newRow("Page Down, a page of lines and the view with them")
        << lines << keys({{Qt::Key_Right, kNone}, {Qt::Key_PageDown, kNone}}) << at(page, 1) << page;
    QTest::newRow("Page Up from the end, a page back")
        << lines << keys({{Qt::Key_End, kCtrl}, {Qt::Key_PageUp, kNone}}) << at(99 - page, 7)
        << lastTop - page;
    QTest::newRow("Page Down on the last page, to the end")
        << lines << keys({{Qt::Key_End, kCtrl}, {Qt::Key_Up, kNone}, {Qt::Key_PageDown, kNone}}) << end
        << lastTop;
    QTest::newRow("Ctrl+End, the end of the text and the last page")
        << lines << keys({{Qt::Key_End, kCtrl}}) << end << lastTop;
    QTest::newRow("Ctrl+Home back to the start")
        << lines << keys({{Qt::Key_End, kCtrl}, {Qt::Key_Home, kCtrl}}) << 0 << 0;
    QTest::newRow("Down to a shorter line, its end")
        << shortLine << keys({{Qt::Key_End, kNone}, {Qt::Key_Down, kNone}}) << 11 << 0;
    QTest::newRow("Down past a shorter line, the column it started from")
        << shortLine << keys({{Qt::Key_End, kNone}, {Qt::Key_Down, kNone}, {Qt::Key_Down, kNone}}) << 20 << 0;
    QTest::newRow("Right leaves a selection at its end") << shortLine
                                                         << keys({{Qt::Key_Right, kShift},
                                                                  {Qt::Key_Right, kShift},
                                                                  {Qt::Key_Right, kShift},
                                                                  {Qt::Key_Right, kNone}})
                                                         << 3 << 0;
    QTest::newRow("Left leaves a selection at its start")
        << shortLine
        << keys({{Qt::Key_End, kNone}, {Qt::Key_Left, kShift}, {Qt::Key_Left, kShift}, {Qt::Key_Left, kNone}})
        << 6 << 0;
    QTest::newRow("End of a wrapped line, before the blank it wraps at")
        << wrapped << keys({{Qt::Key_End, kNone}}) << 15 << 0;
}

void TestResultsBox::caretKeys() {
    QFETCH(QString, text);
    QFETCH(QTestEventList, presses);
    QFETCH(int, caret);
    QFETCH(int, topLine);

    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    box.setPlainText(text);
    presses.simulate(&box);
    QCOMPARE(box.cursorPosition(), caret);
    QCOMPARE(box.selectedText(), QString());
    QCOMPARE(box.verticalScrollBar()->value(), topLine);
}

// The caret is drawn in the text colour while the box has the focus, blinking; a key that
// moves it shows it at once.
void TestResultsBox::caretShownWhileFocused() {
    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    box.setPlainText("asleep");
    box.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&box));
    box.setFocus();
    QVERIFY(box.hasFocus());
    QTest::keyClick(&box, Qt::Key_End);
    const QRect place = box.characterRect(6);
    const auto caretShown = [&box, place] {
        const QImage shown = box.viewport()->grab().toImage();
        return shown.pixelColor(place.left(), place.center().y()) == box.palette().color(QPalette::Text);
    };
    QVERIFY(caretShown());
    QTRY_VERIFY_WITH_TIMEOUT(!caretShown(), 5000);
    QTest::keyClick(&box, Qt::Key_Left);
    QTest::keyClick(&box, Qt::Key_Right);
    QVERIFY(caretShown());
    box.clearFocus();
    QVERIFY(!caretShown());
}

void TestResultsBox::scrollingToTheEndShowsTheLastLine() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(numberedLines(100));
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier);
    // The last line fully in view at the bottom: a press there lands on it.
    const int lastRow = box.verticalScrollBar()->pageStep() - 1;
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(1, lineMiddle(box, lastRow)));
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QStringLiteral("line 99"));

    QTest::keyClick(&box, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(1, lineMiddle(box, 0)));
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QStringLiteral("line 0"));
}

void TestResultsBox::wheelScrollsByLines() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(numberedLines(100));
    const QPointF point(10, 10);
    QWheelEvent down(point, box.viewport()->mapToGlobal(point), QPoint(), QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(box.viewport(), &down);
    QCOMPARE(box.verticalScrollBar()->value(), QApplication::wheelScrollLines());
}

void TestResultsBox::keyboardSelection_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("selected");

    const QString lines = "one\r\ntwo\nthree";

    QTest::newRow("Shift+Right, a character") << "abc" << keys({{Qt::Key_Right, kShift}}) << "a";
    QTest::newRow("Shift+Right over a line break takes it whole")
        << lines << keys({{Qt::Key_End, kShift}, {Qt::Key_Right, kShift}}) << "one\r\n";
    QTest::newRow("Shift+Right over a surrogate pair takes it whole")
        << QString::fromUtf8("\U0001D538b") << keys({{Qt::Key_Right, kShift}})
        << QString::fromUtf8("\U0001D538");
    QTest::newRow("Shift+Left at the start selects nothing") << "abc" << keys({{Qt::Key_Left, kShift}}) << "";
    QTest::newRow("Shift+Down, a line and its break") << lines << keys({{Qt::Key_Down, kShift}}) << "one\r\n";
    QTest::newRow("Shift+Down twice")
        << lines << keys({{Qt::Key_Down, kShift}, {Qt::Key_Down, kShift}}) << "one\r\ntwo\n";
    QTest::newRow("Shift+Down on the last line, to the end")
        << lines << keys({{Qt::Key_Down, kShift}, {Qt::Key_Down, kShift}, {Qt::Key_Down, kShift}}) << lines;
    QTest::newRow("Shift+Up back again")
        << lines << keys({{Qt::Key_Down, kShift}, {Qt::Key_Up, kShift}}) << "";
    QTest::newRow("Shift+End, the line without its break") << lines << keys({{Qt::Key_End, kShift}}) << "one";
    QTest::newRow("Ctrl+Shift+Right, a word and what follows it")
        << "asleep, elapse" << keys({{Qt::Key_Right, kCtrlShift}}) << "asleep, ";
    QTest::newRow("Ctrl+Shift+Left back to the last word's start")
        << "asleep, elapse, please" << keys({{Qt::Key_End, kCtrlShift}, {Qt::Key_Left, kCtrlShift}})
        << "asleep, elapse, ";
    QTest::newRow("Ctrl+Shift+End, all") << lines << keys({{Qt::Key_End, kCtrlShift}}) << lines;
    QTest::newRow("Shift+Left from the end")
        << lines << keys({{Qt::Key_End, kCtrlShift}, {Qt::Key_Left, kShift}}) << "one\r\ntwo\nthre";
}

void TestResultsBox::keyboardSelection() {
    QFETCH(QString, text);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, selected);

    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(text);
    keys.simulate(&box);
    QCOMPARE(box.selectedText(), selected);
}

void TestResultsBox::pageSelectionTakesAPageOfLines() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    const QString text = numberedLines(100);
    box.setPlainText(text);
    const int page = box.verticalScrollBar()->pageStep();
    QTest::keyClick(&box, Qt::Key_PageDown, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), text.left(text.indexOf(QStringLiteral("line %1").arg(page))));
    QCOMPARE(box.verticalScrollBar()->value(), page);
    QTest::keyClick(&box, Qt::Key_PageUp, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QString());
}

void TestResultsBox::mouseSelection_data() {
    QTest::addColumn<int>("fromLine");
    QTest::addColumn<bool>("fromLeft");
    QTest::addColumn<int>("toLine");
    QTest::addColumn<bool>("toLeft");
    QTest::addColumn<QString>("selected");

    QTest::newRow("across one line") << 0 << true << 0 << false << "one";
    QTest::newRow("down over a break") << 0 << true << 1 << false << "one\r\ntwo";
    QTest::newRow("upwards") << 2 << false << 1 << true << "two\nthree";
    QTest::newRow("below the last line, to its end") << 1 << true << 5 << false << "two\nthree";
    QTest::newRow("a click selects nothing") << 1 << true << 1 << true << "";
}

void TestResultsBox::mouseSelection() {
    QFETCH(int, fromLine);
    QFETCH(bool, fromLeft);
    QFETCH(int, toLine);
    QFETCH(bool, toLeft);
    QFETCH(QString, selected);

    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText("one\r\ntwo\nthree");
    const int right = box.viewport()->width() - 1;
    const QPoint from(fromLeft ? 0 : right, lineMiddle(box, fromLine));
    const QPoint to(toLeft ? 0 : right, lineMiddle(box, toLine));
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, from);
    QTest::mouseMove(box.viewport(), to);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, to);
    QCOMPARE(box.selectedText(), selected);

    QTest::mouseClick(box.viewport(), Qt::LeftButton, {}, QPoint(0, lineMiddle(box, 0)));
    QTest::mouseClick(box.viewport(), Qt::LeftButton, Qt::ShiftModifier, QPoint(right, lineMiddle(box, 0)));
    QCOMPARE(box.selectedText(), QStringLiteral("one"));
}

void TestResultsBox::doubleClickSelectsAWord() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText("asleep, elapse, please");
    // Column 10, the "a" of "elapse", whatever the margin of a few pixels.
    const QPoint point(qRound(widthOfColumns(10.5)) + 2, lineMiddle(box, 0));
    QTest::mouseDClick(box.viewport(), Qt::LeftButton, {}, point);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, point);
    QCOMPARE(box.selectedText(), QStringLiteral("elapse"));
}

void TestResultsBox::draggingBelowTheBoxScrolls() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(numberedLines(100));
    QTest::mousePress(box.viewport(), Qt::LeftButton, {}, QPoint(0, lineMiddle(box, 0)));
    QTest::mouseMove(box.viewport(), QPoint(10, box.viewport()->height() + 20));
    QTRY_VERIFY(box.verticalScrollBar()->value() >= 3);
    QTest::mouseRelease(box.viewport(), Qt::LeftButton, {}, QPoint(10, box.viewport()->height() + 20));
    const int value = box.verticalScrollBar()->value();
    QVERIFY(box.selectedText().startsWith("line 0\nline 1\nline 2\nline 3\n"));
    QTest::qWait(200);
    QCOMPARE(box.verticalScrollBar()->value(), value);
}

void TestResultsBox::newTextDropsSelectionAndScrollsToTop() {
    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(numberedLines(100));
    QTest::keyClick(&box, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(box.verticalScrollBar()->value() > 0);
    box.setPlainText("asleep, ");
    QCOMPARE(box.selectedText(), QString());
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
    QCOMPARE(box.selectedText(), QStringLiteral("a"));
}

QTEST_MAIN(TestResultsBox)
#include "tst_results_box.moc"
