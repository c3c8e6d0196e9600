#pragma once

#include "ui/framework/window_definition.h"

// The splash window afSplash as drawn: a title-less panel centred on the screen.
const WindowDefinition& splashWindowDefinition();

// The interval of its timer Timer2, and the tick at which it hands over to
// the main window.
constexpr int kSplashTickMilliseconds = 150;
constexpr int kSplashLastTick = 11;
