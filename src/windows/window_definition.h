#pragma once

#include "windows/colour_value.h"
#include "windows/control_definition.h"

#include <vector>

// A window's own properties; sizes in twips.
struct WindowDefinition {
    const char* name;
    const char* caption;
    int clientWidth, clientHeight;
    ColourValue background;
    ColourValue foreground;
};

using ControlTable = std::vector<ControlDefinition>;
using ToolTipTable = std::vector<ToolTipDefinition>;
