#pragma once

#include "ui/framework/colour_value.h"
#include "ui/framework/control_definition.h"

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
