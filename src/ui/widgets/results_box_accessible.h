#pragma once

#include <QAccessibleWidget>

#include <utility>

class ResultsBox;

// What screen readers see of a ResultsBox: a read-only multi-line text control, with the role
// and state of Qt's own read-only editors, whose text they read whole or by character, word,
// line or paragraph, with the caret and the selection. The box tells them of every change.
//
// Words run from the start of one word to the start of the next, the blanks and commas
// between them included, as the caret moves by word; lines are the lines as shown, wrapped
// within the box's width; paragraphs end at line breaks.
class ResultsBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultsBoxAccessible(ResultsBox* box);

    // Makes Qt build this interface for every ResultsBox; the window builder does it when it
    // makes one. Once is enough, more do no harm.
    static void registerFactory();

    QAccessible::State state() const override;
    QString text(QAccessible::Text kind) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    using Span = std::pair<int, int>;

    ResultsBox* box() const;
    // The piece of the text of the given kind that holds `offset` (0 to the text's size).
    Span spanAt(int offset, QAccessible::TextBoundaryType boundary) const;
    Span paragraphAt(int offset) const;
    // The text of `span`, its start and end reported through the two pointers.
    QString report(Span span, int* startOffset, int* endOffset) const;
};
