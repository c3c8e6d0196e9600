#include "ui/framework/window_surface.h"

#include <QMouseEvent>
#include <QPainter>

WindowSurface::WindowSurface(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
}

void WindowSurface::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void WindowSurface::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

void WindowSurface::mouseMoveEvent(QMouseEvent* event) {
    emit mouseMoved();
    event->accept();
}
