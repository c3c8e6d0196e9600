#include "ui/widgets/results_box.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringView>
#include <QStyle>
#include <QStyleHints>
#include <QtMath>

#include <algorithm>
#include <iterator>

namespace {

// Blank space around the text, as in the usual text boxes.
constexpr int kMargin = 4;
constexpr int kAutoScrollInterval = 50;

// Painting a line in one call must place every character where the layout's advance table
// says, so the painter neither kerns nor shapes the simple scripts the box shows.
QFont drawingFont(QFont font) {
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}

} // namespace

struct ResultsBox::CaretKey {
    QKeySequence::StandardKey move;
    QKeySequence::StandardKey select;
    Motion motion;
};

ResultsBox::ResultsBox(QWidget* parent)
    : QAbstractScrollArea(parent), layout_(drawingFont(font())), copyAction_(new QAction(tr("Copy"), this)),
      selectAllAction_(new QAction(tr("Select All"), this)) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);

    connect(copyAction_, &QAction::triggered, this, &ResultsBox::copy);
    connect(selectAllAction_, &QAction::triggered, this, &ResultsBox::selectAll);
    addAction(copyAction_);
    addAction(selectAllAction_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    copyAction_->setEnabled(false);
    selectAllAction_->setEnabled(false);

    applyFont();
}

void ResultsBox::setPlainText(const QString& text) {
    const QString removed = layout_.text();
    layout_.setText(text);
    dragging_ = false;
    autoScroll_.stop();
    updateScrollBar();
    verticalScrollBar()->setValue(0);
    selectAllAction_->setEnabled(!text.isEmpty());
    announceText(removed);
    select(0, 0);
    emit textChanged();
}

QString ResultsBox::toPlainText() const {
    return layout_.text();
}

QString ResultsBox::selectedText() const {
    return layout_.text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void ResultsBox::setSelection(int anchor, int position) {
    const int size = static_cast<int>(layout_.text().size());
    select(std::clamp(anchor, 0, size), std::clamp(position, 0, size));
}

void ResultsBox::ensureVisible(int position) {
    const int line = layout_.lineAt(position);
    if (line < firstLine())
        verticalScrollBar()->setValue(line);
    else if (line >= firstLine() + visibleLines())
        verticalScrollBar()->setValue(line - visibleLines() + 1);
}

QRect ResultsBox::characterRect(int position) const {
    position = std::clamp(position, 0, static_cast<int>(layout_.text().size()));
    const int line = layout_.lineAt(position);
    const qreal left = kMargin + layout_.x(line, position);
    const int end = position < layout_.lineEnd(line) ? layout_.nextPosition(position) : position;
    const qreal right = left + layout_.width(position, end);
    return QRect(qFloor(left), lineTop(line), qCeil(right) - qFloor(left), lineHeight_);
}

int ResultsBox::characterAt(QPoint point) const {
    const qreal x = point.x() - kMargin;
    const int y = point.y() - kMargin;
    if (!viewport()->rect().contains(point) || x < 0 || y < 0)
        return -1;
    const int line = firstLine() + y / lineHeight_;
    if (line >= layout_.lineCount())
        return -1;
    // The nearest place between two characters, then the character whose width holds `x`.
    int position = layout_.positionAt(line, x);
    if (position > layout_.lineStart(line) && layout_.x(line, position) > x)
        position = layout_.previousPosition(position);
    return position < layout_.lineEnd(line) ? position : -1;
}

void ResultsBox::clear() {
    setPlainText(QString());
}

void ResultsBox::selectAll() {
    select(0, static_cast<int>(layout_.text().size()));
}

void ResultsBox::copy() {
    if (selectionStart() < selectionEnd())
        QGuiApplication::clipboard()->setText(selectedText());
}

bool ResultsBox::event(QEvent* event) {
    // Keys the box handles itself win over the window's shortcuts while it has the focus.
    if (event->type() == QEvent::ShortcutOverride && handlesKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QAbstractScrollArea::event(event);
}

void ResultsBox::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        const int top = topPosition();
        applyFont();
        scrollBackTo(top);
    }
}

void ResultsBox::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    const int top = topPosition();
    layout_.setWidth(viewport()->width() - 2 * kMargin);
    scrollBackTo(top);
}

void ResultsBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(layout_.font());
    const QRect area = event->rect();
    int top = kMargin;
    for (int line = firstLine(); line < layout_.lineCount() && top <= area.bottom(); ++line) {
        if (top + lineHeight_ > area.top())
            paintLine(painter, line, top);
        top += lineHeight_;
    }
    if (caretShown_)
        painter.fillRect(caretRect(), palette().color(QPalette::Text));
}

void ResultsBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll))
        selectAll();
    else if (event->matches(QKeySequence::Copy))
        copy();
    else if (const CaretKey* key = findCaretKey(event))
        moveCaret(key->motion, event->matches(key->select));
    else
        event->ignore();
}

void ResultsBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    restartCaretBlink();
}

void ResultsBox::focusOutEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusOutEvent(event);
    caretBlink_.stop();
    caretShown_ = false;
    updateCaret();
}

void ResultsBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    moveCursorTo(positionAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    dragging_ = true;
    dragPoint_ = event->position().toPoint();
}

void ResultsBox::mouseMoveEvent(QMouseEvent* event) {
    if (!dragging_)
        return;
    dragPoint_ = event->position().toPoint();
    const bool outside = dragPoint_.y() < 0 || dragPoint_.y() >= viewport()->height();
    if (!outside)
        autoScroll_.stop();
    else if (!autoScroll_.isActive())
        autoScroll_.start(kAutoScrollInterval, this);
    moveCursorTo(positionAt(dragPoint_), true);
}

void ResultsBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !dragging_)
        return;
    dragging_ = false;
    autoScroll_.stop();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && selectionStart() < selectionEnd())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void ResultsBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int position = positionAt(event->position().toPoint());
    dragging_ = false;
    select(layout_.wordStart(position), layout_.wordEnd(position));
}

void ResultsBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() == caretBlink_.timerId()) {
        caretShown_ = !caretShown_;
        updateCaret();
    } else if (event->timerId() == autoScroll_.timerId()) {
        verticalScrollBar()->triggerAction(dragPoint_.y() < 0 ? QAbstractSlider::SliderSingleStepSub
                                                              : QAbstractSlider::SliderSingleStepAdd);
        moveCursorTo(positionAt(dragPoint_), true);
    } else {
        QAbstractScrollArea::timerEvent(event);
    }
}

void ResultsBox::scrollContentsBy(int, int) {
    viewport()->update();
}

int ResultsBox::firstLine() const {
    return verticalScrollBar()->value();
}

int ResultsBox::visibleLines() const {
    return std::max(1, (viewport()->height() - 2 * kMargin) / lineHeight_);
}

int ResultsBox::lineTop(int line) const {
    return kMargin + (line - firstLine()) * lineHeight_;
}

const ResultsBox::CaretKey* ResultsBox::findCaretKey(const QKeyEvent* event) {
    static constexpr CaretKey keys[] = {
        {QKeySequence::MoveToNextChar, QKeySequence::SelectNextChar, Motion::NextCharacter},
        {QKeySequence::MoveToPreviousChar, QKeySequence::SelectPreviousChar, Motion::PreviousCharacter},
        {QKeySequence::MoveToNextWord, QKeySequence::SelectNextWord, Motion::NextWord},
        {QKeySequence::MoveToPreviousWord, QKeySequence::SelectPreviousWord, Motion::PreviousWord},
        {QKeySequence::MoveToNextLine, QKeySequence::SelectNextLine, Motion::NextLine},
        {QKeySequence::MoveToPreviousLine, QKeySequence::SelectPreviousLine, Motion::PreviousLine},
        {QKeySequence::MoveToNextPage, QKeySequence::SelectNextPage, Motion::NextPage},
        {QKeySequence::MoveToPreviousPage, QKeySequence::SelectPreviousPage, Motion::PreviousPage},
        {QKeySequence::MoveToStartOfLine, QKeySequence::SelectStartOfLine, Motion::StartOfLine},
        {QKeySequence::MoveToEndOfLine, QKeySequence::SelectEndOfLine, Motion::EndOfLine},
        {QKeySequence::MoveToStartOfDocument, QKeySequence::SelectStartOfDocument, Motion::StartOfText},
        {QKeySequence::MoveToEndOfDocument, QKeySequence::SelectEndOfDocument, Motion::EndOfText},
    };
    const CaretKey* found = std::find_if(std::begin(keys), std::end(keys), [event](const CaretKey& key) {
        return event->matches(key.move) || event->matches(key.select);
    });
    return found == std::end(keys) ? nullptr : found;
}

bool ResultsBox::handlesKey(const QKeyEvent* event) const {
    return event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy) ||
           findCaretKey(event);
}

void ResultsBox::moveCaret(Motion motion, bool keepAnchor) {
    const bool byPage = motion == Motion::NextPage || motion == Motion::PreviousPage;
    const bool vertical = byPage || motion == Motion::NextLine || motion == Motion::PreviousLine;
    const bool selection = selectionStart() < selectionEnd();
    int target;
    // Left and Right without Shift leave a selection at its start or its end, as editors do.
    if (!keepAnchor && selection && motion == Motion::NextCharacter)
        target = selectionEnd();
    else if (!keepAnchor && selection && motion == Motion::PreviousCharacter)
        target = selectionStart();
    else
        target = motionTarget(motion);
    const qreal goal = vertical ? goalX_ : -1;
    moveCursorTo(target, keepAnchor);
    goalX_ = goal;
    // A page of lines further, the view follows by as much, so the caret keeps its place in it.
    if (byPage)
        verticalScrollBar()->setValue(firstLine() + (motion == Motion::NextPage ? 1 : -1) * visibleLines());
    ensureVisible(cursor_);
}

int ResultsBox::motionTarget(Motion motion) {
    const int line = layout_.lineAt(cursor_);
    switch (motion) {
    case Motion::NextCharacter:
        return layout_.nextPosition(cursor_);
    case Motion::PreviousCharacter:
        return layout_.previousPosition(cursor_);
    case Motion::NextWord:
        return layout_.nextWordStart(cursor_);
    case Motion::PreviousWord:
        return layout_.previousWordStart(cursor_);
    case Motion::NextLine:
        return lineMoved(1);
    case Motion::PreviousLine:
        return lineMoved(-1);
    case Motion::NextPage:
        return lineMoved(visibleLines());
    case Motion::PreviousPage:
        return lineMoved(-visibleLines());
    case Motion::StartOfLine:
        return layout_.lineStart(line);
    case Motion::EndOfLine: {
        // A line that wraps ends in the blank it wraps at; the caret stops before that blank,
        // since the place after it is the start of the next line.
        const int end = layout_.lineEnd(line);
        const bool wraps = line + 1 < layout_.lineCount() && end == layout_.nextLineStart(line);
        return wraps && end > layout_.lineStart(line) && isBlank(layout_.text()[end - 1]) ? end - 1 : end;
    }
    case Motion::StartOfText:
        return 0;
    case Motion::EndOfText:
        return static_cast<int>(layout_.text().size());
    }
    return cursor_;
}

// The position `lines` lines below (or above) the caret, as near as the line allows to where
// the caret stood when it began to move up or down; the end (or the start) of the text when
// there are not that many lines.
int ResultsBox::lineMoved(int lines) {
    const int line = layout_.lineAt(cursor_);
    if (goalX_ < 0)
        goalX_ = layout_.x(line, cursor_);
    const int target = line + lines;
    if (target < 0)
        return 0;
    if (target >= layout_.lineCount())
        return static_cast<int>(layout_.text().size());
    return layout_.positionAt(target, goalX_);
}

int ResultsBox::positionAt(QPoint point) const {
    const int lastShown = std::min(firstLine() + visibleLines(), layout_.lineCount() - 1);
    const int line = std::clamp(firstLine() + (point.y() - kMargin) / lineHeight_, firstLine(), lastShown);
    return layout_.positionAt(line, point.x() - kMargin);
}

void ResultsBox::moveCursorTo(int position, bool keepAnchor) {
    select(keepAnchor ? anchor_ : position, position);
}

// Every change of the caret or the selection comes here.
void ResultsBox::select(int anchor, int position) {
    const int oldStart = selectionStart();
    const int oldEnd = selectionEnd();
    const int oldCursor = cursor_;
    anchor_ = anchor;
    cursor_ = position;
    goalX_ = -1;
    copyAction_->setEnabled(selectionStart() < selectionEnd());
    restartCaretBlink();
    viewport()->update();
    if (!QAccessible::isActive())
        return;
    const bool hadSelection = oldStart < oldEnd;
    if ((hadSelection || selectionStart() < selectionEnd()) &&
        (oldStart != selectionStart() || oldEnd != selectionEnd())) {
        QAccessibleTextSelectionEvent event(this, selectionStart(), selectionEnd());
        event.setCursorPosition(cursor_);
        QAccessible::updateAccessibility(&event);
    }
    if (cursor_ != oldCursor) {
        QAccessibleTextCursorEvent event(this, cursor_);
        QAccessible::updateAccessibility(&event);
    }
}

// Tells screen readers that the text `removed` has given way to the box's text: at-spi knows
// no replacement, only removal and insertion.
void ResultsBox::announceText(const QString& removed) {
    if (!QAccessible::isActive())
        return;
    if (!removed.isEmpty()) {
        QAccessibleTextRemoveEvent event(this, 0, removed);
        QAccessible::updateAccessibility(&event);
    }
    if (!layout_.text().isEmpty()) {
        QAccessibleTextInsertEvent event(this, 0, layout_.text());
        QAccessible::updateAccessibility(&event);
    }
}

QRect ResultsBox::caretRect() const {
    const QRect character = characterRect(cursor_);
    return QRect(character.topLeft(),
                 QSize(style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this), character.height()));
}

// Shows the caret, while the box has the focus, and blinks it at the desktop's pace from now on.
void ResultsBox::restartCaretBlink() {
    if (!hasFocus())
        return;
    caretShown_ = true;
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime >= 2)
        caretBlink_.start(flashTime / 2, this);
    else
        caretBlink_.stop();
    updateCaret();
}

void ResultsBox::updateCaret() {
    viewport()->update(caretRect());
}

void ResultsBox::applyFont() {
    const QFont font = drawingFont(this->font());
    const QFontMetrics metrics(font);
    lineHeight_ = std::max(1, metrics.lineSpacing());
    ascent_ = metrics.ascent();
    breakWidth_ = QFontMetricsF(font).horizontalAdvance(u' ');
    layout_.setFont(font);
}

// The position at the start of the top line, to keep in view when the lines change.
int ResultsBox::topPosition() const {
    return layout_.lineStart(std::min(firstLine(), layout_.lineCount() - 1));
}

void ResultsBox::scrollBackTo(int topPosition) {
    updateScrollBar();
    verticalScrollBar()->setValue(layout_.lineAt(topPosition));
    viewport()->update();
}

void ResultsBox::updateScrollBar() {
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(visibleLines());
    bar->setRange(0, std::max(0, layout_.lineCount() - visibleLines()));
}

void ResultsBox::paintLine(QPainter& painter, int line, int top) const {
    const int start = layout_.lineStart(line);
    const int end = layout_.lineEnd(line);
    const int from = std::clamp(selectionStart(), start, end);
    const int to = std::clamp(selectionEnd(), start, end);
    // A selected line break shows as a blank's width of highlight.
    const bool breakSelected =
        end < layout_.nextLineStart(line) && selectionStart() <= end && selectionEnd() > end;
    const qreal baseline = top + ascent_;
    const QPalette& colours = palette();

    painter.setPen(colours.color(QPalette::Text));
    qreal x = drawRun(painter, start, from, kMargin, baseline);
    if (from < to || breakSelected) {
        const qreal width = layout_.width(from, to) + (breakSelected ? breakWidth_ : 0);
        painter.fillRect(QRectF(x, top, width, lineHeight_), colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        x = drawRun(painter, from, to, x, baseline);
        painter.setPen(colours.color(QPalette::Text));
    }
    drawRun(painter, to, end, x, baseline);
}

// Draws the characters from `from` to `to` of one line starting at `x` and returns where they
// end; tabs are skipped over by their fixed advance rather than drawn.
qreal ResultsBox::drawRun(QPainter& painter, int from, int to, qreal x, qreal baseline) const {
    const QString& text = layout_.text();
    while (from < to) {
        const qsizetype tab = QStringView(text).mid(from, to - from).indexOf(u'\t');
        const int pieceEnd = tab < 0 ? to : from + static_cast<int>(tab);
        if (pieceEnd > from) {
            painter.drawText(QPointF(x, baseline), text.mid(from, pieceEnd - from));
            x += layout_.width(from, pieceEnd);
        }
        if (pieceEnd < to)
            x += layout_.width(pieceEnd, pieceEnd + 1);
        from = pieceEnd + 1;
    }
    return x;
}
