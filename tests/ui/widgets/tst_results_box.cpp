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

// A monospaced font, so that a width in columns and the line starts can be checked by
// counting characters; its advance comes from the font itself.
QFont monospaced() {
    QFont font("Liberation Mono");
    font.setPixelSize(10);
    return font;
}

qreal columnAdvance() {
    return QFontMetricsF(monospaced()).horizontalAdvance(u'a');
}

// `columns` character advances summed one by one, as the layout sums them, so that a width
// of whole columns fits a line of that many characters exactly.
qreal widthOfColumns(double columns) {
    qreal width = 0;
    int whole = static_cast<int>(columns);
    for (int i = 0; i < whole; ++i)
        width += columnAdvance();
    return width + (columns - whole) * columnAdvance();
}

// Shows `box` in the monospaced font with a viewport of the given size.
void showBox(ResultsBox& box, QSize viewport) {
    box.setFont(monospaced());
    box.resize(300, 200);
    box.show();
    box.resize(viewport + box.size() - box.viewport()->size());
    QCOMPARE(box.viewport()->size(), viewport);
}

// The middle of a text line's height, `line` lines below the top of the viewport.
int lineMiddle(const ResultsBox& box, int line) {
    const int height = QFontMetrics(box.font()).lineSpacing();
    return line * height + height / 2 + 2;
}

QString numberedLines(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    text.chop(1);
    return text;
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
    void keyboardScrolling_data();
    void keyboardScrolling();
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
    showBox(box, QSize(qRound(widthOfColumns(30.5)) + 8, 100));
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

void TestResultsBox::keyboardScrolling_data() {
    QTest::addColumn<bool>("startAtEnd");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<bool>("endsAtEnd");
    QTest::addColumn<int>("linesFurther");
    QTest::addColumn<int>("pagesFurther");

    const int none = Qt::NoModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("Down scrolls a line") << false << int(Qt::Key_Down) << none << false << 1 << 0;
    QTest::newRow("Up at the top stays") << false << int(Qt::Key_Up) << none << false << 0 << 0;
    QTest::newRow("Up from the end") << true << int(Qt::Key_Up) << none << true << -1 << 0;
    QTest::newRow("Down at the end stays") << true << int(Qt::Key_Down) << none << true << 0 << 0;
    QTest::newRow("Page Down scrolls a page") << false << int(Qt::Key_PageDown) << none << false << 0 << 1;
    QTest::newRow("Page Up scrolls a page back") << true << int(Qt::Key_PageUp) << none << true << 0 << -1;
    QTest::newRow("Ctrl+End to the end") << false << int(Qt::Key_End) << ctrl << true << 0 << 0;
    QTest::newRow("Ctrl+Home back to the top") << true << int(Qt::Key_Home) << ctrl << false << 0 << 0;
}

void TestResultsBox::keyboardScrolling() {
    QFETCH(bool, startAtEnd);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(bool, endsAtEnd);
    QFETCH(int, linesFurther);
    QFETCH(int, pagesFurther);

    ResultsBox box;
    showBox(box, QSize(200, 100));
    box.setPlainText(numberedLines(100));
    QScrollBar* bar = box.verticalScrollBar();
    bar->setValue(startAtEnd ? bar->maximum() : 0);
    QTest::keyClick(&box, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(bar->value(), (endsAtEnd ? bar->maximum() : 0) + linesFurther + pagesFurther * bar->pageStep());
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

    const auto keys = [](std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> presses) {
        QTestEventList events;
        for (const auto& [key, modifiers] : presses)
            events.addKeyClick(key, modifiers);
        return events;
    };
    const Qt::KeyboardModifiers shift = Qt::ShiftModifier;
    const Qt::KeyboardModifiers ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
    const QString lines = "one\r\ntwo\nthree";

    QTest::newRow("Shift+Right, a character") << "abc" << keys({{Qt::Key_Right, shift}}) << "a";
    QTest::newRow("Shift+Right over a line break takes it whole")
        << lines << keys({{Qt::Key_End, shift}, {Qt::Key_Right, shift}}) << "one\r\n";
    QTest::newRow("Shift+Right over a surrogate pair takes it whole")
        << QString::fromUtf8("\U0001D538b") << keys({{Qt::Key_Right, shift}})
        << QString::fromUtf8("\U0001D538");
    QTest::newRow("Shift+Left at the start selects nothing") << "abc" << keys({{Qt::Key_Left, shift}}) << "";
    QTest::newRow("Shift+Down, a line and its break") << lines << keys({{Qt::Key_Down, shift}}) << "one\r\n";
    QTest::newRow("Shift+Down twice")
        << lines << keys({{Qt::Key_Down, shift}, {Qt::Key_Down, shift}}) << "one\r\ntwo\n";
    QTest::newRow("Shift+Down on the last line, to the end")
        << lines << keys({{Qt::Key_Down, shift}, {Qt::Key_Down, shift}, {Qt::Key_Down, shift}}) << lines;
    QTest::newRow("Shift+Up back again") << lines << keys({{Qt::Key_Down, shift}, {Qt::Key_Up, shift}}) << "";
    QTest::newRow("Shift+End, the line without its break") << lines << keys({{Qt::Key_End, shift}}) << "one";
    QTest::newRow("Ctrl+Shift+Right, a word and what follows it")
        << "asleep, elapse" << keys({{Qt::Key_Right, ctrlShift}}) << "asleep, ";
    QTest::newRow("Ctrl+Shift+Left back to the last word's start")
        << "asleep, elapse, please" << keys({{Qt::Key_End, ctrlShift}, {Qt::Key_Left, ctrlShift}})
        << "asleep, elapse, ";
    QTest::newRow("Ctrl+Shift+End, all") << lines << keys({{Qt::Key_End, ctrlShift}}) << lines;
    QTest::newRow("Shift+Left from the end")
        << lines << keys({{Qt::Key_End, ctrlShift}, {Qt::Key_Left, shift}}) << "one\r\ntwo\nthre";
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
    QCOMPARE(box.verticalScrollBar()->value(), 1);
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
