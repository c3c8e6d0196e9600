#pragma once

#include "ui/framework/window_definition.h"

// The main window formain as drawn: its own properties, its controls, their
// tool tips and its menu bar.
const WindowDefinition& mainWindowDefinition();
