#pragma once

#include "ui/widgets/results_box.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QString>
#include <QTest>

// Results boxes in a monospaced font, so that a width in columns, the line starts and the
// places of characters can be checked by counting characters.

inline QFont monospaced() {
    QFont font("Liberation Mono");
    font.setPixelSize(10);
    return font;
}

inline qreal columnAdvance() {
    return QFontMetricsF(monospaced()).horizontalAdvance(u'a');
}

// `columns` character advances summed one by one, as the layout sums them, so that a width
// of whole columns fits a line of that many characters exactly.
inline qreal widthOfColumns(double columns) {
    qreal width = 0;
    int whole = static_cast<int>(columns);
    for (int i = 0; i < whole; ++i)
        width += columnAdvance();
    return width + (columns - whole) * columnAdvance();
}

// Shows `box` in the monospaced font with a viewport of the given size.
inline void showBox(ResultsBox& box, QSize viewport) {
    box.setFont(monospaced());
    box.resize(300, 200);
    box.show();
    box.resize(viewport + box.size() - box.viewport()->size());
    QCOMPARE(box.viewport()->size(), viewport);
}

// A viewport that shows `lines` lines of `columns` columns within its margins of four pixels.
inline QSize viewportOf(double columns, int lines) {
    return QSize(qRound(widthOfColumns(columns)) + 8, lines * QFontMetrics(monospaced()).lineSpacing() + 8);
}

inline QString numberedLines(int count) {
    QString text;
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("line %1\n").arg(i);
    text.chop(1);
    return text;
}
