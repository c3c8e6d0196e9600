#pragma once

#include "ui/framework/window_definition.h"

#include <QString>
#include <QWidget>

// Builds a window from its definition. The controls become children of the
// window (or of their frame), named after their rows, so that a window class
// finds them with `control<T>(window, "Text1")`.

// Caption, client size and colours of the window itself.
void applyWindowDefinition(QWidget& window, const WindowDefinition& definition);
// The same for a window whose client area is a widget of its own (the central
// widget of a main window): caption on the window, size and colours on the area.
void applyWindowDefinition(QWidget& window, QWidget& clientArea, const WindowDefinition& definition);

// Creates every control of the table: geometry, caption, font, colours, the Tab
// order by tab index. Labels, images and shapes lie beneath the other controls
// of their window or frame, as if drawn on its surface.
void buildControls(QWidget& window, const ControlTable& controls);

void applyToolTips(QWidget& window, const ToolTipTable& toolTips);

// Sets a control's background or text colour as the window definitions mean
// it: the role that its kind paints with.
void setControlBackground(QWidget& control, ColourValue colour);
void setControlForeground(QWidget& control, ColourValue colour);
ColourValue controlBackground(const QWidget& control);
ColourValue controlForeground(const QWidget& control);

QWidget* findControl(const QWidget& window, const char* name);

template <typename T> T* control(const QWidget& window, const char* name) {
    return qobject_cast<T*>(findControl(window, name));
}
