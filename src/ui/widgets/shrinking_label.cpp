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
    const double definition = shown.pointSizeF();
    const int room = contentsRect().width();
    const int width = QFontMetrics(shown).horizontalAdvance(text());
    if (width <= room)
        return shown;
    const auto fits = [&](double points) {
        shown.setPointSizeF(points);
        return QFontMetrics(shown).horizontalAdvance(text()) <= room;
    };
    // Widths grow almost in proportion to the size, not quite, as hinting
    // rounds them: start there, then find the largest size that fits.
    double points = std::max(kSmallest, std::floor(definition * room / width / kStep) * kStep);
    while (points - kStep >= kSmallest && !fits(points))
        points -= kStep;
    while (points + kStep < definition && fits(points + kStep))
        points += kStep;
    shown.setPointSizeF(points);
    return shown;
}

void ShrinkingLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setFont(shownFont());
    style()->drawItemText(&painter, contentsRect(), int(alignment()), palette(), isEnabled(), text(),
                          foregroundRole());
}
