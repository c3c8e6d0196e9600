#pragma once

// Sets up the application's look once at start-up, before any window is
// built: the classic style, the font look-alikes with the classic dialog font
// for menus, tool tips and message boxes, and the classic system colours, so
// that every window looks as it was drawn on any desktop, light or dark.
void installClassicLook();
