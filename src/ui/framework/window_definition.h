#pragma once

#include "ui/framework/accessible_definition.h"
#include "ui/framework/colour_value.h"
#include "ui/framework/control_definition.h"
#include "ui/framework/line_definition.h"
#include "ui/framework/menu_definition.h"

#include <vector>

// The border a window has, and what the window system puts on it.
enum class WindowFrame {
    Sizable,     // title bar with the icon, minimise, maximise and close buttons; resizable
    FixedSingle, // title bar with the icon and a close button only; not resizable
    FixedDialog, // the same as a dialog: no task-bar button of its own when it has an owner
    TitleLess,   // a raised dialog border and no title bar at all; no task-bar button
};

enum class WindowState { Normal, Maximized };

enum class WindowIcon { None, Program };

// Where the window first opens: its client area's top-left corner at a point
// of the screen (twips), centred on the screen, or where the window system puts it.
struct StartPosition {
    enum class Kind { ChosenBySystem, Centred, At };
    Kind kind;
    int left = 0, top = 0;
};

// A window's own properties; sizes in twips.
struct WindowProperties {
    const char* name;
    const char* caption;
    WindowFrame frame;
    WindowState state;
    int clientWidth, clientHeight;
    StartPosition position;
    ColourValue background;
    ColourValue foreground;
    WindowIcon icon;
    const char* picture; // drawn at the top-left corner of the client area at its own size; or none
};

using ControlTable = std::vector<ControlDefinition>;
using ToolTipTable = std::vector<ToolTipDefinition>;

// Everything a window is built from: its own properties and the tables of its
// controls, their tool tips, its menu bar, the lines on its surface, and what
// screen readers call the controls without a caption. A table the window does
// not have stays empty.
struct WindowDefinition {
    WindowProperties window;
    ControlTable controls;
    ToolTipTable toolTips = {};
    MenuTable menus = {};
    LineTable lines = {};
    LabelTable labels = {};
    AccessibleNameTable accessibleNames = {};
};
