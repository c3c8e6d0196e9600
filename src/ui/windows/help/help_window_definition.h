#pragma once

#include "ui/framework/window_definition.h"
#include "ui/framework/window_frame.h"

// The Help window `Form2` as drawn: the window and its one text box.
const WindowDefinition& helpWindowDefinition();
const ControlTable& helpControls();

inline constexpr ClientPosition kHelpPosition{1200, 1305};
