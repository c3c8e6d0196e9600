#pragma once

#include "ui/framework/line_definition.h"

#include <QPixmap>
#include <QWidget>

// The client area of a window, the surface its controls lie on: its background
// colour, its own picture drawn at the top-left corner at its own size, and
// the lines of its definition, beneath the controls.
class WindowSurface : public QWidget {
    Q_OBJECT
public:
    explicit WindowSurface(QWidget* parent = nullptr);

    void setPicture(const QPixmap& picture);
    void setLines(const LineTable& lines);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
    LineTable lines_;
};
