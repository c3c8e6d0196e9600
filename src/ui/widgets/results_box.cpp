#include "ui/widgets/results_box.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStringView>

#include <algorithm>
#include <iterator>

namespace {

// Blank space around the text, as in the usual text boxes.
constexpr int kMargin = 4;
constexpr int kAutoScrollInterval = 50;

struct ScrollKey {
    QKeySequence::StandardKey key;
    QAbstractSlider::SliderAction action;
};

// With no caret to move, the plain navigation keys scroll the view.
constexpr ScrollKey kScrollKeys[] = {
    {QKeySequence::MoveToNextLine, QAbstractSlider::SliderSingleStepAdd},
    {QKeySequence::MoveToPreviousLine, QAbstractSlider::SliderSingleStepSub},
    {QKeySequence::MoveToNextPage, QAbstractSlider::SliderPageStepAdd},
    {QKeySequence::MoveToPreviousPage, QAbstractSlider::SliderPageStepSub},
    {QKeySequence::MoveToStartOfDocument, QAbstractSlider::SliderToMinimum},
    {QKeySequence::MoveToEndOfDocument, QAbstractSlider::SliderToMaximum},
};

const ScrollKey* findScrollKey(const QKeyEvent* event) {
    const ScrollKey* found = std::find_if(std::begin(kScrollKeys), std::end(kScrollKeys),
                                          [event](const ScrollKey& key) { return event->matches(key.key); });
    return found == std::end(kScrollKeys) ? nullptr : found;
}

// Painting a line in one call must place every character where the layout's advance table
// says, so the painter neither kerns nor shapes the simple scripts the box shows.
QFont drawingFont(QFont font) {
    font.setKerning(false);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::PreferNoShaping));
    return font;
}

bool isWordCharacter(QChar c) {
    return c.isLetterOrNumber() || c.isMark() || c == u'\'' || c == u'-';
}

// Moves from `position` over the characters that are part of a word, or with `word` false,
// over those that are not.
int skipForward(const QString& text, int position, bool word) {
    while (position < text.size() && isWordCharacter(text[position]) == word)
        ++position;
    return position;
}

int skipBackward(const QString& text, int position, bool word) {
    while (position > 0 && isWordCharacter(text[position - 1]) == word)
        --position;
    return position;
}

} // namespace

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

    applyFont();
    selectionChanged();
}

void ResultsBox::setPlainText(const QString& text) {
    layout_.setText(text);
    anchor_ = cursor_ = 0;
    dragging_ = false;
    autoScroll_.stop();
    updateScrollBar();
    verticalScrollBar()->setValue(0);
    selectionChanged();
    emit textChanged();
}

QString ResultsBox::toPlainText() const {
    return layout_.text();
}

QString ResultsBox::selectedText() const {
    return layout_.text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void ResultsBox::clear() {
    setPlainText(QString());
}

void ResultsBox::selectAll() {
    anchor_ = 0;
    cursor_ = static_cast<int>(layout_.text().size());
    selectionChanged();
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
}

void ResultsBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (const std::optional<int> target = selectionTarget(event)) {
        moveCursorTo(*target, true);
        ensureVisible(cursor_);
    } else if (const ScrollKey* key = findScrollKey(event)) {
        verticalScrollBar()->triggerAction(key->action);
    } else {
        event->ignore();
    }
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
    anchor_ = skipBackward(layout_.text(), position, true);
    cursor_ = skipForward(layout_.text(), position, true);
    dragging_ = false;
    selectionChanged();
}

void ResultsBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != autoScroll_.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    verticalScrollBar()->triggerAction(dragPoint_.y() < 0 ? QAbstractSlider::SliderSingleStepSub
                                                          : QAbstractSlider::SliderSingleStepAdd);
    moveCursorTo(positionAt(dragPoint_), true);
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

bool ResultsBox::handlesKey(const QKeyEvent* event) const {
    return event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy) ||
           selectionTarget(event) || findScrollKey(event);
}

std::optional<int> ResultsBox::selectionTarget(const QKeyEvent* event) const {
    if (event->matches(QKeySequence::SelectNextChar))
        return layout_.nextPosition(cursor_);
    if (event->matches(QKeySequence::SelectPreviousChar))
        return layout_.previousPosition(cursor_);
    if (event->matches(QKeySequence::SelectNextWord))
        return skipForward(layout_.text(), skipForward(layout_.text(), cursor_, true), false);
    if (event->matches(QKeySequence::SelectPreviousWord))
        return skipBackward(layout_.text(), skipBackward(layout_.text(), cursor_, false), true);
    if (event->matches(QKeySequence::SelectNextLine))
        return lineMoved(1);
    if (event->matches(QKeySequence::SelectPreviousLine))
        return lineMoved(-1);
    if (event->matches(QKeySequence::SelectNextPage))
        return lineMoved(visibleLines());
    if (event->matches(QKeySequence::SelectPreviousPage))
        return lineMoved(-visibleLines());
    if (event->matches(QKeySequence::SelectStartOfLine))
        return layout_.lineStart(layout_.lineAt(cursor_));
    if (event->matches(QKeySequence::SelectEndOfLine))
        return layout_.lineEnd(layout_.lineAt(cursor_));
    if (event->matches(QKeySequence::SelectStartOfDocument))
        return 0;
    if (event->matches(QKeySequence::SelectEndOfDocument))
        return static_cast<int>(layout_.text().size());
    return std::nullopt;
}

// The position `lines` lines below (or above) the cursor at the same distance from the left,
// or the end (or start) of the text when there are not that many lines.
int ResultsBox::lineMoved(int lines) const {
    const int line = layout_.lineAt(cursor_);
    const int target = line + lines;
    if (target < 0)
        return 0;
    if (target >= layout_.lineCount())
        return static_cast<int>(layout_.text().size());
    return layout_.positionAt(target, layout_.x(line, cursor_));
}

int ResultsBox::positionAt(QPoint point) const {
    const int lastShown = std::min(firstLine() + visibleLines(), layout_.lineCount() - 1);
    const int line = std::clamp(firstLine() + (point.y() - kMargin) / lineHeight_, firstLine(), lastShown);
    return layout_.positionAt(line, point.x() - kMargin);
}

void ResultsBox::moveCursorTo(int position, bool keepAnchor) {
    cursor_ = position;
    if (!keepAnchor)
        anchor_ = position;
    selectionChanged();
}

void ResultsBox::selectionChanged() {
    copyAction_->setEnabled(selectionStart() < selectionEnd());
    selectAllAction_->setEnabled(!layout_.text().isEmpty());
    viewport()->update();
}

void ResultsBox::ensureVisible(int position) {
    const int line = layout_.lineAt(position);
    if (line < firstLine())
        verticalScrollBar()->setValue(line);
    else if (line >= firstLine() + visibleLines())
        verticalScrollBar()->setValue(line - visibleLines() + 1);
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
