#include "ui/widgets/results_box_layout.h"

#include <algorithm>

namespace {

constexpr int kTabWidthInSpaces = 8;

bool isBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
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

ResultsBoxLayout::ResultsBoxLayout(const QFont& font) : metrics_(font) {
    setFont(font);
}

void ResultsBoxLayout::setFont(const QFont& font) {
    font_ = font;
    metrics_ = QFontMetricsF(font);
    for (std::size_t c = 0; c < latin1Advances_.size(); ++c)
        latin1Advances_[c] = metrics_.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    latin1Advances_[u'\t'] = kTabWidthInSpaces * latin1Advances_[u' '];
    latin1Advances_[u'\n'] = 0;
    latin1Advances_[u'\r'] = 0;
    otherAdvances_.clear();
    relayout();
}

void ResultsBoxLayout::setText(const QString& text) {
    text_ = text;
    relayout();
}

void ResultsBoxLayout::setWidth(qreal width) {
    if (width == width_)
        return;
    width_ = width;
    relayout();
}

qreal ResultsBoxLayout::advance(int position, int* length) const {
    const char16_t c = text_[position].unicode();
    *length = 1;
    if (c < latin1Advances_.size())
        return latin1Advances_[c];
    char32_t codePoint = c;
    if (QChar::isHighSurrogate(c) && position + 1 < text_.size() && text_[position + 1].isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(c, text_[position + 1].unicode());
        *length = 2;
    }
    auto cached = otherAdvances_.constFind(codePoint);
    if (cached == otherAdvances_.constEnd())
        cached = otherAdvances_.insert(codePoint, metrics_.horizontalAdvance(text_.mid(position, *length)));
    return *cached;
}

void ResultsBoxLayout::relayout() {
    starts_.clear();
    starts_.push_back(0);
    const QChar* const text = text_.constData();
    const int size = static_cast<int>(text_.size());
    int lineStart = 0;
    int wordStart = 0; // after the line's last blank: where it may wrap
    qreal lineWidth = 0;
    qreal wordWidth = 0;
    const auto startLine = [&](int position) {
        starts_.push_back(position);
        lineStart = wordStart = position;
        lineWidth = wordWidth = 0;
    };
    int position = 0;
    while (position < size) {
        const char16_t c = text[position].unicode();
        if (isBreak(c)) {
            position += c == u'\r' && position + 1 < size && text[position + 1] == u'\n' ? 2 : 1;
            startLine(position);
            continue;
        }
        int length = 1;
        const qreal a = c < latin1Advances_.size() ? latin1Advances_[c] : advance(position, &length);
        if (c == u' ' || c == u'\t') {
            lineWidth += a;
            position += 1;
            wordStart = position;
            wordWidth = 0;
            continue;
        }
        if (lineWidth + a > width_ && position > lineStart) {
            if (wordStart > lineStart) {
                const qreal carried = wordWidth;
                startLine(wordStart);
                lineWidth = wordWidth = carried;
            }
            // A word wider than the whole line: break it at the edge.
            if (lineWidth + a > width_ && position > lineStart)
                startLine(position);
        }
        lineWidth += a;
        wordWidth += a;
        position += length;
    }
}

int ResultsBoxLayout::nextLineStart(int line) const {
    return line + 1 < lineCount() ? lineStart(line + 1) : static_cast<int>(text_.size());
}

int ResultsBoxLayout::lineEnd(int line) const {
    int end = nextLineStart(line);
    if (end > lineStart(line) && text_[end - 1] == u'\n')
        --end;
    if (end > lineStart(line) && text_[end - 1] == u'\r')
        --end;
    return end;
}

int ResultsBoxLayout::lineAt(int position) const {
    const auto after = std::upper_bound(starts_.begin(), starts_.end(), position);
    return static_cast<int>(after - starts_.begin()) - 1;
}

qreal ResultsBoxLayout::width(int from, int to) const {
    qreal sum = 0;
    int length = 1;
    for (int position = from; position < to; position += length)
        sum += advance(position, &length);
    return sum;
}

qreal ResultsBoxLayout::x(int line, int position) const {
    return width(lineStart(line), std::min(position, lineEnd(line)));
}

int ResultsBoxLayout::positionAt(int line, qreal x) const {
    const int end = lineEnd(line);
    qreal sum = 0;
    int length = 1;
    for (int position = lineStart(line); position < end; position += length) {
        const qreal a = advance(position, &length);
        if (x < sum + a / 2)
            return position;
        sum += a;
    }
    return end;
}

int ResultsBoxLayout::nextPosition(int position) const {
    if (position >= text_.size())
        return static_cast<int>(text_.size());
    const QChar c = text_[position];
    const bool hasNext = position + 1 < text_.size();
    const bool pair = hasNext && ((c == u'\r' && text_[position + 1] == u'\n') ||
                                  (c.isHighSurrogate() && text_[position + 1].isLowSurrogate()));
    return position + (pair ? 2 : 1);
}

int ResultsBoxLayout::previousPosition(int position) const {
    if (position <= 0)
        return 0;
    const QChar c = text_[position - 1];
    const bool pair = position >= 2 && ((c == u'\n' && text_[position - 2] == u'\r') ||
                                        (c.isLowSurrogate() && text_[position - 2].isHighSurrogate()));
    return position - (pair ? 2 : 1);
}

int ResultsBoxLayout::wordStart(int position) const {
    return skipBackward(text_, position, true);
}

int ResultsBoxLayout::wordEnd(int position) const {
    return skipForward(text_, position, true);
}

int ResultsBoxLayout::nextWordStart(int position) const {
    return skipForward(text_, skipForward(text_, position, true), false);
}

int ResultsBoxLayout::previousWordStart(int position) const {
    return skipBackward(text_, skipBackward(text_, position, false), true);
}
