#pragma once

#include <QWidget>

// An outline drawn on the window's surface: a rounded rectangle with a white
// line 2 pixels wide lying inside its bounds, nothing filled. It takes no mouse
// events, so the window beneath sees the pointer move over it.
class ShapeWidget : public QWidget {
    Q_OBJECT
public:
    explicit ShapeWidget(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
