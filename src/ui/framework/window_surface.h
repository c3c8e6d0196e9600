#pragma once

#include <QPixmap>
#include <QWidget>

// The client area of a window: its background colour, its own picture drawn
// at the top-left corner at its own size, and the mouse moves over its bare
// surface. The controls on it keep their moves to themselves, so mouseMoved
// is never raised while the pointer is over a control.
class WindowSurface : public QWidget {
    Q_OBJECT
public:
    explicit WindowSurface(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);

signals:
    void mouseMoved();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};
