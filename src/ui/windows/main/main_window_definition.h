#pragma once

#include "ui/framework/menu_definition.h"
#include "ui/framework/window_definition.h"

// The main window formain: its own properties, its controls, their tool tips
// and its menu bar, as drawn.
extern const WindowDefinition kMainWindow;

// Where the client area lies on the screen when the window is not maximized
// (twips); the window opens maximized.
constexpr int kMainWindowClientLeft = 60;
constexpr int kMainWindowClientTop = 1035;

// The banner, drawn at the top-left corner of the client area at its own size.
constexpr const char* kMainWindowPicture = ":/images/banner.png";
// The program icon of the title bar and the task bar, small and large.
constexpr const char* kProgramIcon = ":/images/icon.png";
constexpr const char* kProgramIconLarge = ":/images/icon_256.png";

extern const ControlTable kMainWindowControls;
extern const ToolTipTable kMainWindowToolTips;
extern const MenuTable kMainWindowMenus;
