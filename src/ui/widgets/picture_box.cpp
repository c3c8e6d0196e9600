#include "ui/widgets/picture_box.h"

#include <QStyleOptionFocusRect>
#include <QStylePainter>

PictureBox::PictureBox(QWidget* parent) : QLabel(parent) {}

void PictureBox::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect().adjusted(1, 1, -1, -1);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
}
