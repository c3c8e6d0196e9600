#pragma once

#include "ui/widgets/results_box_layout.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPoint>

#include <algorithm>

class QAction;
class QPainter;

// A read-only text box for results of any size: it wraps one long paragraph of words at
// blanks within its width and shows it at once, since it measures the text with a
// per-character table and paints only the lines in view. A keyboard caret, shown while the
// box has the focus, moves and selects with the usual keys; the mouse selects too; Copy and
// Select All by keys and context menu; the program alone sets the text. Screen readers see
// it as a read-only text control (ResultsBoxAccessible).
class ResultsBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultsBox(QWidget* parent = nullptr);

    void setPlainText(const QString& text);
    QString toPlainText() const;
    QString selectedText() const;

    const ResultsBoxLayout& textLayout() const { return layout_; }
    int cursorPosition() const { return cursor_; }
    int selectionStart() const { return std::min(anchor_, cursor_); }
    int selectionEnd() const { return std::max(anchor_, cursor_); }
    // Selects from `anchor` to `position` and puts the caret at `position`; both are kept
    // within the text.
    void setSelection(int anchor, int position);
    // Scrolls the least that shows the line holding `position`.
    void ensureVisible(int position);
    // Where the character at `position` (kept within the text) is drawn, in viewport
    // coordinates; at a line break or at the end of the text, a rectangle of no width.
    QRect characterRect(int position) const;
    // The position of the character drawn at `point` of the viewport, or -1 if none is.
    int characterAt(QPoint point) const;

public slots:
    void clear();
    void selectAll();
    void copy();

signals:
    void textChanged();

protected:
    bool event(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    enum class Motion {
        NextCharacter,
        PreviousCharacter,
        NextWord,
        PreviousWord,
        NextLine,
        PreviousLine,
        NextPage,
        PreviousPage,
        StartOfLine,
        EndOfLine,
        StartOfText,
        EndOfText,
    };
    struct CaretKey;
    static const CaretKey* findCaretKey(const QKeyEvent* event);

    int firstLine() const;
    int visibleLines() const;
    int lineTop(int line) const;
    bool handlesKey(const QKeyEvent* event) const;
    void moveCaret(Motion motion, bool select);
    int motionTarget(Motion motion);
    int lineMoved(int lines);
    int positionAt(QPoint point) const;
    void moveCursorTo(int position, bool keepAnchor);
    void select(int anchor, int position);
    void announceText(const QString& removed);
    QRect caretRect() const;
    void restartCaretBlink();
    void updateCaret();
    void applyFont();
    int topPosition() const;
    void scrollBackTo(int topPosition);
    void updateScrollBar();
    void paintLine(QPainter& painter, int line, int top) const;
    qreal drawRun(QPainter& painter, int from, int to, qreal x, qreal baseline) const;

    ResultsBoxLayout layout_;
    int lineHeight_ = 1;
    int ascent_ = 0;
    qreal breakWidth_ = 0;
    int anchor_ = 0;
    int cursor_ = 0;
    // Where Up, Down and the Page keys aim on the line they reach: the distance from the
    // left at which the caret started moving up or down, or negative when it has not.
    qreal goalX_ = -1;
    bool caretShown_ = false;
    QBasicTimer caretBlink_;
    bool dragging_ = false;
    QPoint dragPoint_;
    QBasicTimer autoScroll_;
    QAction* copyAction_;
    QAction* selectAllAction_;
};
