#pragma once

#include "ui/framework/colour_value.h"

class QWidget;

// A control's background or text colour as the window definitions mean it: the
// palette role that its kind paints with (a text area paints on its viewport).
void setControlBackground(QWidget& control, ColourValue colour);
void setControlForeground(QWidget& control, ColourValue colour);
ColourValue controlBackground(const QWidget& control);
ColourValue controlForeground(const QWidget& control);
