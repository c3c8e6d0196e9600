#include "ui/widgets/results_box_layout.h"

#include <algorithm>

namespace {

constexpr int kTabWidthInSpaces = 8;

bool isBreak(char16_t c) {
    return c == u'\n' || c == u'\r';
}

} // namespace

ResultsBoxLayout::ResultsBoxLayout(const QFont& font) : m_metrics(font) {
    setFont(font);
}

void ResultsBoxLayout::setFont(const QFont& font) {
    m_font = font;
    m_metrics = QFontMetricsF(font);
    for (std::size_t c = 0; c < m_latin1Advances.size(); ++c)
        m_latin1Advances[c] = m_metrics.horizontalAdvance(QChar(static_cast<char16_t>(c)));
    m_latin1Advances[u'\t'] = kTabWidthInSpaces * m_latin1Advances[u' '];
    m_latin1Advances[u'\n'] = 0;
    m_latin1Advances[u'\r'] = 0;
    m_otherAdvances.clear();
    relayout();
}

void ResultsBoxLayout::setText(const QString& text) {
    m_text = text;
    relayout();
}

void ResultsBoxLayout::setWidth(qreal width) {
    if (width == m_width)
        return;
    m_width = width;
    relayout();
}

qreal ResultsBoxLayout::advance(int position, int* length) const {
    const char16_t c = m_text[position].unicode();
    *length = 1;
    if (c < m_latin1Advances.size())
        return m_latin1Advances[c];
    char32_t codePoint = c;
    if (QChar::isHighSurrogate(c) && position + 1 < m_text.size() && m_text[position + 1].isLowSurrogate()) {
        codePoint = QChar::surrogateToUcs4(c, m_text[position + 1].unicode());
        *length = 2;
    }
    auto cached = m_otherAdvances.constFind(codePoint);
    if (cached == m_otherAdvances.constEnd())
        cached =
            m_otherAdvances.insert(codePoint, m_metrics.horizontalAdvance(m_text.mid(position, *length)));
    return *cached;
}

void ResultsBoxLayout::relayout() {
    m_starts.clear();
    m_starts.push_back(0);
    const QChar* const text = m_text.constData();
    const int size = static_cast<int>(m_text.size());
    int lineStart = 0;
    int wordStart = 0; // after the line's last blank: where it may wrap
    qreal lineWidth = 0;
    qreal wordWidth = 0;
    const auto startLine = [&](int position) {
        m_starts.push_back(position);
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
        const qreal a = c < m_latin1Advances.size() ? m_latin1Advances[c] : advance(position, &length);
        if (c == u' ' || c == u'\t') {
            lineWidth += a;
            position += 1;
            wordStart = position;
            wordWidth = 0;
            continue;
        }
        if (lineWidth + a > m_width && position > lineStart) {
            if (wordStart > lineStart) {
                const qreal carried = wordWidth;
                startLine(wordStart);
                lineWidth = wordWidth = carried;
            }
            // A word wider than the whole line: break it at the edge.
            if (lineWidth + a > m_width && position > lineStart)
                startLine(position);
        }
        lineWidth += a;
        wordWidth += a;
        position += length;
    }
}

int ResultsBoxLayout::nextLineStart(int line) const {
    return line + 1 < lineCount() ? lineStart(line + 1) : static_cast<int>(m_text.size());
}

int ResultsBoxLayout::lineEnd(int line) const {
    int end = nextLineStart(line);
    if (end > lineStart(line) && m_text[end - 1] == u'\n')
        --end;
    if (end > lineStart(line) && m_text[end - 1] == u'\r')
        --end;
    return end;
}

int ResultsBoxLayout::lineAt(int position) const {
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), position);
    return static_cast<int>(after - m_starts.begin()) - 1;
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
    if (position >= m_text.size())
        return static_cast<int>(m_text.size());
    const QChar c = m_text[position];
    const bool hasNext = position + 1 < m_text.size();
    const bool pair = hasNext && ((c == u'\r' && m_text[position + 1] == u'\n') ||
                                  (c.isHighSurrogate() && m_text[position + 1].isLowSurrogate()));
    return position + (pair ? 2 : 1);
}

int ResultsBoxLayout::previousPosition(int position) const {
    if (position <= 0)
        return 0;
    const QChar c = m_text[position - 1];
    const bool pair = position >= 2 && ((c == u'\n' && m_text[position - 2] == u'\r') ||
                                        (c.isLowSurrogate() && m_text[position - 2].isHighSurrogate()));
    return position - (pair ? 2 : 1);
}
