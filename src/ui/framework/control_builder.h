#pragma once

#include "ui/framework/built_controls.h"
#include "ui/framework/window_definition.h"

class QWidget;
struct QMetaObject;

// Creates every control of the table on the client area (or in its frame):
// geometry, caption, font, colours, the Tab order by tab index. Labels, images
// and shapes lie beneath the other controls of their window or frame, as if
// drawn on its surface. Each control is named after its row.
BuiltControls buildControls(QWidget& clientArea, const ControlTable& controls);

// The class of the control made for a row of the kind.
const QMetaObject& controlClass(ControlKind kind);

// Whether the control made for the row takes the focus, by the Tab key or a click.
bool takesFocus(const ControlDefinition& row);
