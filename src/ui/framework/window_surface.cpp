#include "ui/framework/window_surface.h"

#include "ui/framework/twips.h"

#include <QPainter>
#include <QPen>

WindowSurface::WindowSurface(QWidget* parent) : QWidget(parent) {}

void WindowSurface::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void WindowSurface::setLines(const LineTable& lines) {
    lines_ = lines;
    update();
}

void WindowSurface::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!picture_.isNull())
        painter.drawPixmap(0, 0, picture_);
    for (const LineDefinition& line : lines_) {
        painter.setPen(QPen(colourFromValue(line.colour), line.width, Qt::SolidLine, Qt::FlatCap));
        painter.drawLine(twipsToPixels(line.x1), twipsToPixels(line.y1), twipsToPixels(line.x2),
                         twipsToPixels(line.y2));
    }
}
