#pragma once

class QPalette;

// The classic system colours (button face, button text, window, window text,
// highlight, ...) in every role and colour group, so that no role is left for
// a desktop theme to fill in.
QPalette classicPalette();
