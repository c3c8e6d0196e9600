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
    : QAbstractScrollArea(parent), m_layout(drawingFont(font())), m_copyAction(new QAction(tr("Copy"), this)),
      m_selectAllAction(new QAction(tr("Select All"), this)) {
    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);

    connect(m_copyAction, &QAction::triggered, this, &ResultsBox::copy);
    connect(m_selectAllAction, &QAction::triggered, this, &ResultsBox::selectAll);
    addAction(m_copyAction);
    addAction(m_selectAllAction);
    setContextMenuPolicy(Qt::ActionsContextMenu);

    applyFont();
    selectionChanged();
}

void ResultsBox::setPlainText(const QString& text) {
    m_layout.setText(text);
    m_anchor = m_cursor = 0;
    m_dragging = false;
    m_autoScroll.stop();
    updateScrollBar();
    verticalScrollBar()->setValue(0);
    selectionChanged();
    emit textChanged();
}

QString ResultsBox::toPlainText() const {
    return m_layout.text();
}

QString ResultsBox::selectedText() const {
    return m_layout.text().mid(selectionStart(), selectionEnd() - selectionStart());
}

void ResultsBox::clear() {
    setPlainText(QString());
}

void ResultsBox::selectAll() {
    m_anchor = 0;
    m_cursor = static_cast<int>(m_layout.text().size());
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
    m_layout.setWidth(viewport()->width() - 2 * kMargin);
    scrollBackTo(top);
}

void ResultsBox::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    painter.setFont(m_layout.font());
    const QRect area = event->rect();
    int top = kMargin;
    for (int line = firstLine(); line < m_layout.lineCount() && top <= area.bottom(); ++line) {
        if (top + m_lineHeight > area.top())
            paintLine(painter, line, top);
        top += m_lineHeight;
    }
}

void ResultsBox::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (const std::optional<int> target = selectionTarget(event)) {
        moveCursorTo(*target, true);
        ensureVisible(m_cursor);
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
    m_dragging = true;
    m_dragPoint = event->position().toPoint();
}

void ResultsBox::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging)
        return;
    m_dragPoint = event->position().toPoint();
    const bool outside = m_dragPoint.y() < 0 || m_dragPoint.y() >= viewport()->height();
    if (!outside)
        m_autoScroll.stop();
    else if (!m_autoScroll.isActive())
        m_autoScroll.start(kAutoScrollInterval, this);
    moveCursorTo(positionAt(m_dragPoint), true);
}

void ResultsBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging)
        return;
    m_dragging = false;
    m_autoScroll.stop();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection() && selectionStart() < selectionEnd())
        clipboard->setText(selectedText(), QClipboard::Selection);
}

void ResultsBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int position = positionAt(event->position().toPoint());
    m_anchor = skipBackward(m_layout.text(), position, true);
    m_cursor = skipForward(m_layout.text(), position, true);
    m_dragging = false;
    selectionChanged();
}

void ResultsBox::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_autoScroll.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    verticalScrollBar()->triggerAction(m_dragPoint.y() < 0 ? QAbstractSlider::SliderSingleStepSub
                                                           : QAbstractSlider::SliderSingleStepAdd);
    moveCursorTo(positionAt(m_dragPoint), true);
}

void ResultsBox::scrollContentsBy(int, int) {
    viewport()->update();
}

int ResultsBox::firstLine() const {
    return verticalScrollBar()->value();
}

int ResultsBox::visibleLines() const {
    return std::max(1, (viewport()->height() - 2 * kMargin) / m_lineHeight);
}

bool ResultsBox::handlesKey(const QKeyEvent* event) const {
    return event->matches(QKeySequence::SelectAll) || event->matches(QKeySequence::Copy) ||
           selectionTarget(event) || findScrollKey(event);
}

std::optional<int> ResultsBox::selectionTarget(const QKeyEvent* event) const {
    if (event->matches(QKeySequence::SelectNextChar))
        return m_layout.nextPosition(m_cursor);
    if (event->matches(QKeySequence::SelectPreviousChar))
        return m_layout.previousPosition(m_cursor);
    if (event->matches(QKeySequence::SelectNextWord))
        return skipForward(m_layout.text(), skipForward(m_layout.text(), m_cursor, true), false);
    if (event->matches(QKeySequence::SelectPreviousWord))
        return skipBackward(m_layout.text(), skipBackward(m_layout.text(), m_cursor, false), true);
    if (event->matches(QKeySequence::SelectNextLine))
        return lineMoved(1);
    if (event->matches(QKeySequence::SelectPreviousLine))
        return lineMoved(-1);
    if (event->matches(QKeySequence::SelectNextPage))
        return lineMoved(visibleLines());
    if (event->matches(QKeySequence::SelectPreviousPage))
        return lineMoved(-visibleLines());
    if (event->matches(QKeySequence::SelectStartOfLine))
        return m_layout.lineStart(m_layout.lineAt(m_cursor));
    if (event->matches(QKeySequence::SelectEndOfLine))
        return m_layout.lineEnd(m_layout.lineAt(m_cursor));
    if (event->matches(QKeySequence::SelectStartOfDocument))
        return 0;
    if (event->matches(QKeySequence::SelectEndOfDocument))
        return static_cast<int>(m_layout.text().size());
    return std::nullopt;
}

// The position `lines` lines below (or above) the cursor at the same distance from the left,
// or the end (or start) of the text when there are not that many lines.
int ResultsBox::lineMoved(int lines) const {
    const int line = m_layout.lineAt(m_cursor);
    const int target = line + lines;
    if (target < 0)
        return 0;
    if (target >= m_layout.lineCount())
        return static_cast<int>(m_layout.text().size());
    return m_layout.positionAt(target, m_layout.x(line, m_cursor));
}

int ResultsBox::positionAt(QPoint point) const {
    const int lastShown = std::min(firstLine() + visibleLines(), m_layout.lineCount() - 1);
    const int line = std::clamp(firstLine() + (point.y() - kMargin) / m_lineHeight, firstLine(), lastShown);
    return m_layout.positionAt(line, point.x() - kMargin);
}

void ResultsBox::moveCursorTo(int position, bool keepAnchor) {
    m_cursor = position;
    if (!keepAnchor)
        m_anchor = position;
    selectionChanged();
}

void ResultsBox::selectionChanged() {
    m_copyAction->setEnabled(selectionStart() < selectionEnd());
    m_selectAllAction->setEnabled(!m_layout.text().isEmpty());
    viewport()->update();
}

void ResultsBox::ensureVisible(int position) {
    const int line = m_layout.lineAt(position);
    if (line < firstLine())
        verticalScrollBar()->setValue(line);
    else if (line >= firstLine() + visibleLines())
        verticalScrollBar()->setValue(line - visibleLines() + 1);
}

void ResultsBox::applyFont() {
    const QFont font = drawingFont(this->font());
    const QFontMetrics metrics(font);
    m_lineHeight = std::max(1, metrics.lineSpacing());
    m_ascent = metrics.ascent();
    m_breakWidth = QFontMetricsF(font).horizontalAdvance(u' ');
    m_layout.setFont(font);
}

// The position at the start of the top line, to keep in view when the lines change.
int ResultsBox::topPosition() const {
    return m_layout.lineStart(std::min(firstLine(), m_layout.lineCount() - 1));
}

void ResultsBox::scrollBackTo(int topPosition) {
    updateScrollBar();
    verticalScrollBar()->setValue(m_layout.lineAt(topPosition));
    viewport()->update();
}

void ResultsBox::updateScrollBar() {
    QScrollBar* bar = verticalScrollBar();
    bar->setSingleStep(1);
    bar->setPageStep(visibleLines());
    bar->setRange(0, std::max(0, m_layout.lineCount() - visibleLines()));
}

void ResultsBox::paintLine(QPainter& painter, int line, int top) const {
    const int start = m_layout.lineStart(line);
    const int end = m_layout.lineEnd(line);
    const int from = std::clamp(selectionStart(), start, end);
    const int to = std::clamp(selectionEnd(), start, end);
    // A selected line break shows as a blank's width of highlight.
    const bool breakSelected =
        end < m_layout.nextLineStart(line) && selectionStart() <= end && selectionEnd() > end;
    const qreal baseline = top + m_ascent;
    const QPalette& colours = palette();

    painter.setPen(colours.color(QPalette::Text));
    qreal x = drawRun(painter, start, from, kMargin, baseline);
    if (from < to || breakSelected) {
        const qreal width = m_layout.width(from, to) + (breakSelected ? m_breakWidth : 0);
        painter.fillRect(QRectF(x, top, width, m_lineHeight), colours.color(QPalette::Highlight));
        painter.setPen(colours.color(QPalette::HighlightedText));
        x = drawRun(painter, from, to, x, baseline);
        painter.setPen(colours.color(QPalette::Text));
    }
    drawRun(painter, to, end, x, baseline);
}

// Draws the characters from `from` to `to` of one line starting at `x` and returns where they
// end; tabs are skipped over by their fixed advance rather than drawn.
qreal ResultsBox::drawRun(QPainter& painter, int from, int to, qreal x, qreal baseline) const {
    const QString& text = m_layout.text();
    while (from < to) {
        const qsizetype tab = QStringView(text).mid(from, to - from).indexOf(u'\t');
        const int pieceEnd = tab < 0 ? to : from + static_cast<int>(tab);
        if (pieceEnd > from) {
            painter.drawText(QPointF(x, baseline), text.mid(from, pieceEnd - from));
            x += m_layout.width(from, pieceEnd);
        }
        if (pieceEnd < to)
            x += m_layout.width(pieceEnd, pieceEnd + 1);
        from = pieceEnd + 1;
    }
    return x;
}
