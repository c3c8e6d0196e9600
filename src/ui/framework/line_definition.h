#pragma once

#include "ui/framework/colour_value.h"

#include <vector>

// A line drawn on a window's surface, beneath its controls; its ends in twips,
// its width in pixels. `index` is its place in the window's array of lines.
struct LineDefinition {
    const char* name;
    int index;
    int x1, y1, x2, y2;
    ColourValue colour;
    int width;
};

using LineTable = std::vector<LineDefinition>;
