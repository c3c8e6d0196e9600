#include "ui/widgets/shape_widget.h"

#include <QPainter>
#include <QPen>

namespace {
constexpr int kLineWidth = 2;
constexpr qreal kCornerRadius = 8;
} // namespace

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
}

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Qt::white, kLineWidth));
    painter.setBrush(Qt::NoBrush);
    const qreal inset = kLineWidth / 2.0;
    painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), kCornerRadius,
                            kCornerRadius);
}
