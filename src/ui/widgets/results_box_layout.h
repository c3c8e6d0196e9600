#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>

#include <array>
#include <vector>

// Breaks the text of a ResultsBox into lines of a given width. One pass over the text with
// cached per-character advances of the font, so that megabytes of results lay out in a few
// milliseconds; nothing else is measured until a line is painted or hit.
//
// Lines wrap after blanks (spaces and tabs, which may hang past the edge); a word wider than
// the line is broken where it reaches the edge. "\n", "\r\n" and a lone "\r" each end a line.
class ResultsBoxLayout {
public:
    explicit ResultsBoxLayout(const QFont& font);

    // Each of these lays the text out again when what it sets has changed.
    void setFont(const QFont& font);
    void setText(const QString& text);
    void setWidth(qreal width);

    const QFont& font() const { return font_; }
    const QString& text() const { return text_; }

    int lineCount() const { return static_cast<int>(starts_.size()); }
    int lineStart(int line) const { return starts_[static_cast<std::size_t>(line)]; }
    // Where the line's characters end: before its line break, if it has one.
    int lineEnd(int line) const;
    // Where the next line starts, or the end of the text after the last line.
    int nextLineStart(int line) const;
    // The line holding `position`; a position where a line wraps belongs to the line below.
    int lineAt(int position) const;

    // Distance from the start of `line` to `position` on it.
    qreal x(int line, int position) const;
    // The position on `line` nearest to the distance `x` from its start.
    int positionAt(int line, qreal x) const;
    // Width of the characters from `from` to `to` on one line.
    qreal width(int from, int to) const;

    // The end of the character (or surrogate pair, or "\r\n") at `position`.
    int nextPosition(int position) const;
    int previousPosition(int position) const;

    // Words are runs of letters, digits, marks, apostrophes and hyphens. The start and the end
    // of the word around `position` (`position` itself where there is none).
    int wordStart(int position) const;
    int wordEnd(int position) const;
    // The start of the next word after `position`, or the end of the text.
    int nextWordStart(int position) const;
    // The start of the word before `position`, or 0.
    int previousWordStart(int position) const;

private:
    // The advance of the character at `position` and how many code units it takes.
    qreal advance(int position, int* length) const;
    void relayout();

    QFont font_;
    QFontMetricsF metrics_;
    std::array<qreal, 256> latin1Advances_{};
    mutable QHash<char32_t, qreal> otherAdvances_;
    QString text_;
    qreal width_ = 0;
    std::vector<int> starts_;
};
