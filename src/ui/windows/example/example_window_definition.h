#pragma once

#include "ui/framework/window_definition.h"

// The Example window `Form1` as drawn: the window and its one text box, whose
// bottom edge leaves a strip one pixel high of the window's surface clickable.
const WindowDefinition& exampleWindowDefinition();
