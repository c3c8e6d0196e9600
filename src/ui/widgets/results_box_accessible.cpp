#include "ui/widgets/results_box_accessible.h"

#include "ui/widgets/results_box.h"

#include <QWidget>

#include <algorithm>

namespace {

QAccessibleInterface* makeInterface(const QString& className, QObject* object) {
    if (className == QLatin1String("ResultsBox") && object && object->isWidgetType())
        return new ResultsBoxAccessible(static_cast<ResultsBox*>(object));
    return nullptr;
}

} // namespace

ResultsBoxAccessible::ResultsBoxAccessible(ResultsBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText) {}

void ResultsBoxAccessible::registerFactory() {
    QAccessible::installFactory(&makeInterface);
}

ResultsBox* ResultsBoxAccessible::box() const {
    return static_cast<ResultsBox*>(widget());
}

QAccessible::State ResultsBoxAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    return state;
}

QString ResultsBoxAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value)
        return box()->toPlainText();
    return QAccessibleWidget::text(kind);
}

void* ResultsBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ResultsBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const bool selected = selectionIndex == 0 && selectionCount() == 1;
    *startOffset = selected ? box()->selectionStart() : 0;
    *endOffset = selected ? box()->selectionEnd() : 0;
}

int ResultsBoxAccessible::selectionCount() const {
    return box()->selectionStart() < box()->selectionEnd() ? 1 : 0;
}

// The box has one selection at most: adding one replaces it.
void ResultsBoxAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ResultsBoxAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        box()->setSelection(box()->cursorPosition(), box()->cursorPosition());
}

void ResultsBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset);
}

int ResultsBoxAccessible::cursorPosition() const {
    return box()->cursorPosition();
}

void ResultsBoxAccessible::setCursorPosition(int position) {
    box()->setSelection(position, position);
    box()->ensureVisible(box()->cursorPosition());
}

QString ResultsBoxAccessible::text(int startOffset, int endOffset) const {
    const int size = characterCount();
    // An end of -1 means the end of the text.
    const int end = endOffset < 0 ? size : std::min(endOffset, size);
    const int start = std::clamp(startOffset, 0, end);
    return box()->toPlainText().mid(start, end - start);
}

QString ResultsBoxAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary,
                                               int* startOffset, int* endOffset) const {
    if (boundary == QAccessible::SentenceBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundary, startOffset, endOffset);
    if (offset < 0 || offset > characterCount())
        return report({-1, -1}, startOffset, endOffset);
    const int start = spanAt(offset, boundary).first;
    return report(start == 0 ? Span{0, 0} : spanAt(start - 1, boundary), startOffset, endOffset);
}

QString ResultsBoxAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundary,
                                              int* startOffset, int* endOffset) const {
    if (boundary == QAccessible::SentenceBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundary, startOffset, endOffset);
    const int size = characterCount();
    if (offset < 0 || offset > size)
        return report({-1, -1}, startOffset, endOffset);
    const int end = spanAt(offset, boundary).second;
    return report(end == size ? Span{size, size} : spanAt(end, boundary), startOffset, endOffset);
}

QString ResultsBoxAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundary,
                                           int* startOffset, int* endOffset) const {
    if (boundary == QAccessible::SentenceBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundary, startOffset, endOffset);
    if (offset < 0 || offset > characterCount())
        return report({-1, -1}, startOffset, endOffset);
    return report(spanAt(offset, boundary), startOffset, endOffset);
}

int ResultsBoxAccessible::characterCount() const {
    return static_cast<int>(box()->toPlainText().size());
}

QRect ResultsBoxAccessible::characterRect(int offset) const {
    if (offset < 0 || offset > characterCount())
        return QRect();
    const QRect rect = box()->characterRect(offset);
    return QRect(box()->viewport()->mapToGlobal(rect.topLeft()), rect.size());
}

int ResultsBoxAccessible::offsetAtPoint(const QPoint& point) const {
    return box()->characterAt(box()->viewport()->mapFromGlobal(point));
}

void ResultsBoxAccessible::scrollToSubstring(int startIndex, int endIndex) {
    const int size = characterCount();
    box()->ensureVisible(std::clamp(endIndex, 0, size));
    box()->ensureVisible(std::clamp(startIndex, 0, size));
}

// The whole text has one font and one colour: one run without attributes of its own.
QString ResultsBoxAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    const int size = characterCount();
    const bool inText = offset >= 0 && offset <= size;
    *startOffset = inText ? 0 : -1;
    *endOffset = inText ? size : -1;
    return QString();
}

ResultsBoxAccessible::Span ResultsBoxAccessible::spanAt(int offset,
                                                        QAccessible::TextBoundaryType boundary) const {
    const ResultsBoxLayout& layout = box()->textLayout();
    const int size = characterCount();
    switch (boundary) {
    case QAccessible::CharBoundary: {
        if (offset == size)
            return {size, size};
        // Surrogate pairs and "\r\n" are one character each.
        const int before = layout.previousPosition(offset);
        const int start = layout.nextPosition(before) > offset ? before : offset;
        return {start, layout.nextPosition(start)};
    }
    case QAccessible::WordBoundary:
        if (offset == size)
            return {size, size};
        return {layout.previousWordStart(offset + 1), layout.nextWordStart(offset)};
    case QAccessible::LineBoundary: {
        const int line = layout.lineAt(offset);
        return {layout.lineStart(line), layout.nextLineStart(line)};
    }
    case QAccessible::ParagraphBoundary:
        return paragraphAt(offset);
    case QAccessible::SentenceBoundary:
    case QAccessible::NoBoundary:
        break;
    }
    return {0, size};
}

// Paragraphs end after "\n", "\r\n" or a lone "\r"; the empty text after a final line break is
// a paragraph of its own.
ResultsBoxAccessible::Span ResultsBoxAccessible::paragraphAt(int offset) const {
    const QString& text = box()->textLayout().text();
    const int size = characterCount();
    const auto followsBreak = [&text, size](int position) {
        const QChar last = text[position - 1];
        return last == u'\n' || (last == u'\r' && (position == size || text[position] != u'\n'));
    };
    int start = offset;
    while (start > 0 && !followsBreak(start))
        --start;
    int end = std::min(offset + 1, size);
    while (end < size && !followsBreak(end))
        ++end;
    return {start, end};
}

QString ResultsBoxAccessible::report(Span span, int* startOffset, int* endOffset) const {
    *startOffset = span.first;
    *endOffset = span.second;
    return span.first < span.second ? box()->toPlainText().mid(span.first, span.second - span.first)
                                    : QString();
}
