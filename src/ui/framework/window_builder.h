#pragma once

#include "ui/framework/control_binding.h"
#include "ui/framework/window_definition.h"

class QWidget;
class WindowSurface;

// Builds the window from its definition: its own properties, its controls with
// their tool tips, its menu bar (a QMainWindow's) and the lines on its
// surface; then points each member of the bindings at its control. Gives back
// the client area, which the controls lie on.
//
// The definition and the bindings are checked first (definitionProblems). A
// problem fails an assertion in a debug build and is a warning
// "window definition NAME: ..." in any build, which the tests fail on.
WindowSurface& buildWindow(QWidget& window, const WindowDefinition& definition,
                           const ControlBindings& bindings);

// Shows the window in the state it opens in: normal or maximized.
void showWindow(QWidget& window, const WindowProperties& properties);
