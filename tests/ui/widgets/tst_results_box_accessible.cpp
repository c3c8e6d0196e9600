#include "ui/widgets/monospaced_box.h"
#include "ui/widgets/results_box.h"
#include "ui/widgets/results_box_accessible.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTest>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

struct Span {
    int start;
    int end;
};

// What a screen reader gets for a piece of text: where it starts and ends, and its text.
QString described(int start, int end, const QString& text) {
    return QStringLiteral("[%1, %2) \"%3\"").arg(start).arg(end).arg(text);
}

QString described(Span span, const QString& whole) {
    return described(span.start, span.end,
                     span.start < span.end ? whole.mid(span.start, span.end - span.start) : "");
}

// The text events, caret moves and selection changes that the box has sent, as a screen
// reader's bridge gets them: "removed 0 \"text\"", "inserted 0 \"text\"", "caret 8",
// "selected 8-9".
QStringList sentEvents;
QObject* listenedTo = nullptr;

void recordEvent(QAccessibleEvent* event) {
    if (event->object() != listenedTo)
        return;
    switch (event->type()) {
    case QAccessible::TextInserted: {
        const auto* inserted = static_cast<QAccessibleTextInsertEvent*>(event);
        sentEvents << QStringLiteral("inserted %1 \"%2\"")
                          .arg(inserted->changePosition())
                          .arg(inserted->textInserted());
        break;
    }
    case QAccessible::TextRemoved: {
        const auto* removed = static_cast<QAccessibleTextRemoveEvent*>(event);
        sentEvents
            << QStringLiteral("removed %1 \"%2\"").arg(removed->changePosition()).arg(removed->textRemoved());
        break;
    }
    case QAccessible::TextCaretMoved:
        sentEvents << QStringLiteral("caret %1")
                          .arg(static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition());
        break;
    case QAccessible::TextSelectionChanged: {
        const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
        sentEvents << QStringLiteral("selected %1-%2")
                          .arg(selection->selectionStart())
                          .arg(selection->selectionEnd());
        break;
    }
    default:
        break;
    }
}

// Records the events that `box` sends while it lives, as a screen reader's bridge would get them.
// Qt sends events only while a screen reader listens: the recorder makes it believe one does.
class EventRecorder {
public:
    explicit EventRecorder(QObject* box) : previous_(QAccessible::installUpdateHandler(recordEvent)) {
        listenedTo = box;
        sentEvents.clear();
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~EventRecorder() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(previous_);
        listenedTo = nullptr;
    }
    EventRecorder(const EventRecorder&) = delete;
    EventRecorder& operator=(const EventRecorder&) = delete;

private:
    QAccessible::UpdateHandler previous_;
};

QAccessibleTextInterface* textOf(ResultsBox& box) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box);
    return accessible ? accessible->textInterface() : nullptr;
}

} // namespace

Q_DECLARE_METATYPE(Span)
Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

class TestResultsBoxAccessible : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ResultsBoxAccessible::registerFactory(); }
    void readOnlyTextControlLikeQtEditors();
    void pieces_data();
    void pieces();
    void caretAndSelection();
    void textEvents_data();
    void textEvents();
    void caretAndSelectionEvents();
    void characterPlaces();
};

// The role and the states of a read-only QPlainTextEdit, so that screen readers treat both
// alike; the text is the box's, and it cannot be edited through them.
void TestResultsBoxAccessible::readOnlyTextControlLikeQtEditors() {
    QWidget window;
    auto* box = new ResultsBox(&window);
    auto* editor = new QPlainTextEdit(&window);
    editor->setReadOnly(true);
    box->setPlainText("asleep, elapse, ");
    window.show();
    QAccessibleInterface* boxAccessible = QAccessible::queryAccessibleInterface(box);
    QAccessibleInterface* editorAccessible = QAccessible::queryAccessibleInterface(editor);
    QVERIFY(boxAccessible);
    QCOMPARE(boxAccessible->object(), box);
    QCOMPARE(boxAccessible->role(), editorAccessible->role());
    const QAccessible::State boxState = boxAccessible->state();
    const QAccessible::State editorState = editorAccessible->state();
    QCOMPARE(boxState.readOnly, editorState.readOnly);
    QCOMPARE(boxState.multiLine, editorState.multiLine);
    QCOMPARE(boxState.selectableText, editorState.selectableText);
    QCOMPARE(boxState.focusable, editorState.focusable);
    QCOMPARE(boxState.editable, editorState.editable);
    QCOMPARE(boxState.invisible, editorState.invisible);
    QVERIFY(boxAccessible->textInterface());
    QVERIFY(!boxAccessible->editableTextInterface());
    QCOMPARE(boxAccessible->text(QAccessible::Value), QStringLiteral("asleep, elapse, "));
    QCOMPARE(boxAccessible->textInterface()->text(0, -1), QStringLiteral("asleep, elapse, "));
    QCOMPARE(boxAccessible->textInterface()->text(7, 100), QStringLiteral(" elapse, "));
}

void TestResultsBoxAccessible::pieces_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QAccessible::TextBoundaryType>("boundary");
    QTest::addColumn<int>("offset");
    QTest::addColumn<Span>("at");
    QTest::addColumn<Span>("before");
    QTest::addColumn<Span>("after");

    // In a box 20 columns wide the results wrap after "elapse, ": lines [0, 16) and [16, 24).
    const QString results = "asleep, elapse, please, ";
    const QString pair = QString::fromUtf8("a\U0001D538b");
    const auto word = QAccessible::WordBoundary;
    const auto character = QAccessible::CharBoundary;
    const auto line = QAccessible::LineBoundary;
    const auto paragraph = QAccessible::ParagraphBoundary;
    const Span none{-1, -1};

    QTest::newRow("word inside a word, with what follows it")
        << results << word << 2 << Span{0, 8} << Span{0, 0} << Span{8, 16};
    QTest::newRow("word at the comma after it")
        << results << word << 6 << Span{0, 8} << Span{0, 0} << Span{8, 16};
    QTest::newRow("word at its start") << results << word << 8 << Span{8, 16} << Span{0, 8} << Span{16, 24};
    QTest::newRow("word at the end of the text")
        << results << word << 24 << Span{24, 24} << Span{16, 24} << Span{24, 24};
    QTest::newRow("word: blanks before the first word")
        << "  ab cd" << word << 0 << Span{0, 2} << Span{0, 0} << Span{2, 5};
    QTest::newRow("character") << results << character << 1 << Span{1, 2} << Span{0, 1} << Span{2, 3};
    QTest::newRow("character: a surrogate pair whole, from its second half")
        << pair << character << 2 << Span{1, 3} << Span{0, 1} << Span{3, 4};
    QTest::newRow("character: carriage return and line feed whole")
        << "ab\r\ncd" << character << 3 << Span{2, 4} << Span{1, 2} << Span{4, 5};
    QTest::newRow("character at the end of the text")
        << "abc" << character << 3 << Span{3, 3} << Span{2, 3} << Span{3, 3};
    QTest::newRow("line as wrapped, with the blank it wraps at")
        << results << line << 3 << Span{0, 16} << Span{0, 0} << Span{16, 24};
    QTest::newRow("line: where it wraps, the next line")
        << results << line << 16 << Span{16, 24} << Span{0, 16} << Span{24, 24};
    QTest::newRow("line at the end of the text, the last line")
        << results << line << 24 << Span{16, 24} << Span{0, 16} << Span{24, 24};
    QTest::newRow("line with its line break")
        << "ab\r\ncd" << line << 1 << Span{0, 4} << Span{0, 0} << Span{4, 6};
    QTest::newRow("line: empty after a final line break")
        << "ab\n"
        << line << 3 << Span{3, 3} << Span{0, 3} << Span{3, 3};
    QTest::newRow("paragraph across wrapped lines")
        << results + "\nab" << paragraph << 20 << Span{0, 25} << Span{0, 0} << Span{25, 27};
    QTest::newRow("paragraph after carriage return and line feed, before a lone carriage return")
        << "ab\r\ncd\ref" << paragraph << 5 << Span{4, 7} << Span{0, 4} << Span{7, 9};
    QTest::newRow("no boundary: the whole text")
        << results << QAccessible::NoBoundary << 3 << Span{0, 24} << Span{0, 0} << Span{24, 24};
    QTest::newRow("line in an empty text") << "" << line << 0 << Span{0, 0} << Span{0, 0} << Span{0, 0};
    QTest::newRow("offset past the end") << results << word << 25 << none << none << none;
    QTest::newRow("negative offset") << results << line << -1 << none << none << none;
}

void TestResultsBoxAccessible::pieces() {
    QFETCH(QString, text);
    QFETCH(QAccessible::TextBoundaryType, boundary);
    QFETCH(int, offset);
    QFETCH(Span, at);
    QFETCH(Span, before);
    QFETCH(Span, after);

    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    box.setPlainText(text);
    QAccessibleTextInterface* accessible = textOf(box);
    QVERIFY(accessible);
    QCOMPARE(accessible->characterCount(), static_cast<int>(text.size()));
    int start = 0;
    int end = 0;
    QString piece = accessible->textAtOffset(offset, boundary, &start, &end);
    QCOMPARE(described(start, end, piece), described(at, text));
    piece = accessible->textBeforeOffset(offset, boundary, &start, &end);
    QCOMPARE(described(start, end, piece), described(before, text));
    piece = accessible->textAfterOffset(offset, boundary, &start, &end);
    QCOMPARE(described(start, end, piece), described(after, text));
}

// A screen reader follows the caret and the selection, and may move them itself.
void TestResultsBoxAccessible::caretAndSelection() {
    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    const QString lines = numberedLines(100);
    box.setPlainText(lines);
    QAccessibleTextInterface* accessible = textOf(box);
    QVERIFY(accessible);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier);
    QCOMPARE(accessible->cursorPosition(), 5);
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    QCOMPARE(accessible->selectionCount(), 1);
    int start = -1;
    int end = -1;
    accessible->selection(0, &start, &end);
    QCOMPARE(start, 5);
    QCOMPARE(end, 6);

    const int line50 = static_cast<int>(lines.indexOf("line 50"));
    accessible->setCursorPosition(line50);
    QCOMPARE(box.cursorPosition(), line50);
    QCOMPARE(accessible->selectionCount(), 0);
    const int top = box.verticalScrollBar()->value();
    QVERIFY2(top <= 50 && 50 < top + 8, "the caret's line is in view");

    accessible->setSelection(0, line50 + 5, line50 + 7);
    QCOMPARE(box.selectedText(), QStringLiteral("50"));
    QCOMPARE(box.cursorPosition(), line50 + 7);
    accessible->addSelection(2, 4);
    QCOMPARE(box.selectedText(), QStringLiteral("ne"));
    accessible->removeSelection(0);
    QCOMPARE(box.selectedText(), QString());
    QCOMPARE(box.cursorPosition(), 4);
    accessible->setSelection(0, -5, 100000);
    QCOMPARE(box.selectedText(), lines);
    accessible->setSelection(1, 0, 2);
    QCOMPARE(box.selectedText(), lines);
}

void TestResultsBoxAccessible::textEvents_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QStringList>("sent");

    QTest::newRow("a search fills the empty box")
        << ""
        << "asleep, elapse, " << QStringList{"inserted 0 \"asleep, elapse, \""};
    QTest::newRow("the next search replaces the results")
        << "asleep, "
        << "Sorry No anagrams with those words"
        << QStringList{"removed 0 \"asleep, \"", "inserted 0 \"Sorry No anagrams with those words\""};
    QTest::newRow("typing clears them") << "asleep, "
                                        << "" << QStringList{"removed 0 \"asleep, \""};
    QTest::newRow("an empty box cleared again") << ""
                                                << "" << QStringList{};
}

void TestResultsBoxAccessible::textEvents() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(QStringList, sent);

    ResultsBox box;
    box.setPlainText(before);
    EventRecorder recorder(&box);
    box.setPlainText(after);
    QCOMPARE(sentEvents, sent);
}

void TestResultsBoxAccessible::caretAndSelectionEvents() {
    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    box.setPlainText("asleep, elapse, ");
    EventRecorder recorder(&box);

    QTest::keyClick(&box, Qt::Key_Right, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&box, Qt::Key_Home);
    QTest::keyClick(&box, Qt::Key_Home);
    QCOMPARE(sentEvents, QStringList({"caret 8", "selected 8-9", "caret 9", "selected 0-0", "caret 0"}));

    sentEvents.clear();
    QTest::keyClick(&box, Qt::Key_End, Qt::ShiftModifier);
    box.setPlainText("please, ");
    QCOMPARE(sentEvents, QStringList({"selected 0-16", "caret 16", "removed 0 \"asleep, elapse, \"",
                                      "inserted 0 \"please, \"", "selected 0-0", "caret 0"}));
}

// Where each character is drawn, and which character is drawn at a point: a screen reader
// shows the one and reads the other under the mouse.
void TestResultsBoxAccessible::characterPlaces() {
    ResultsBox box;
    showBox(box, viewportOf(20.5, 8));
    const QString text = "asleep, elapse, please, \r\n\U0001D538b";
    box.setPlainText(text);
    QAccessibleTextInterface* accessible = textOf(box);
    QVERIFY(accessible);
    for (int offset = 0; offset < text.size(); ++offset) {
        const QRect place = accessible->characterRect(offset);
        const bool drawn = !text[offset].isLowSurrogate() && text[offset] != u'\r' && text[offset] != u'\n';
        QVERIFY2(!drawn || accessible->offsetAtPoint(place.center()) == offset,
                 qPrintable(QString::number(offset)));
    }
    QVERIFY(accessible->characterRect(16).top() > accessible->characterRect(15).top());
    QCOMPARE(accessible->characterRect(16).left(), accessible->characterRect(0).left());
    const QRect lineEnd = accessible->characterRect(24);
    QCOMPARE(lineEnd.width(), 0);
    QCOMPARE(accessible->offsetAtPoint(lineEnd.topLeft() + QPoint(20, 2)), -1);
    const QRect lastLine = accessible->characterRect(static_cast<int>(text.size()));
    QCOMPARE(accessible->offsetAtPoint(lastLine.bottomLeft() + QPoint(0, 5)), -1);
    QCOMPARE(accessible->characterRect(-1), QRect());
    QCOMPARE(accessible->characterRect(static_cast<int>(text.size()) + 1), QRect());
}

QTEST_MAIN(TestResultsBoxAccessible)
#include "tst_results_box_accessible.moc"
