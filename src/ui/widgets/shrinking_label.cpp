#include "ui/widgets/shrinking_label.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <cmath>

namespace {
constexpr double kStep = 0.25; // points
constexpr double kSmallest = 1;
} // namespace

ShrinkingLabel::ShrinkingLabel(QWidget* parent) : QLabel(parent) {}

QFont ShrinkingLabel::shownFont() const {
    QFont shown = font();
    const int room = contentsRect().width();
    const int width = QFontMetrics(shown).horizontalAdvance(text());
    if (width <= room)
        return shown;
    // Widths grow almost in proportion to the size: start there and step down
    // while hinting still makes the caption too wide.
    double points = std::floor(shown.pointSizeF() * room / width / kStep) * kStep;
    for (;; points -= kStep) {
        shown.setPointSizeF(std::max(points, kSmallest));
        if (points <= kSmallest || QFontMetrics(shown).horizontalAdvance(text()) <= room)
            return shown;
    }
}

void ShrinkingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(shownFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
