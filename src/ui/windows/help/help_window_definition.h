#pragma once

#include "ui/framework/window_definition.h"

// The Help window `Form2` as drawn: the window and its one text box.
const WindowDefinition& helpWindowDefinition();
