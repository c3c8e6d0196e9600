#pragma once

#include "ui/widgets/results_box_layout.h"

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QPoint>

#include <algorithm>
#include <optional>

class QAction;
class QPainter;

// A read-only text box for results of any size: it wraps one long paragraph of words at
// blanks within its width and shows it at once, since it measures the text with a
// per-character table and paints only the lines in view. Selection by mouse and keys,
// Copy and Select All by keys and context menu; the program alone sets the text.
class ResultsBox : public QAbstractScrollArea {
    Q_OBJECT

public:
    explicit ResultsBox(QWidget* parent = nullptr);

    void setPlainText(const QString& text);
    QString toPlainText() const;
    QString selectedText() const;

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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    int firstLine() const;
    int visibleLines() const;
    int selectionStart() const { return std::min(anchor_, cursor_); }
    int selectionEnd() const { return std::max(anchor_, cursor_); }
    bool handlesKey(const QKeyEvent* event) const;
    std::optional<int> selectionTarget(const QKeyEvent* event) const;
    int lineMoved(int lines) const;
    int positionAt(QPoint point) const;
    void moveCursorTo(int position, bool keepAnchor);
    void selectionChanged();
    void ensureVisible(int position);
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
    bool dragging_ = false;
    QPoint dragPoint_;
    QBasicTimer autoScroll_;
    QAction* copyAction_;
    QAction* selectAllAction_;
};
