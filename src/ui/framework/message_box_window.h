#pragma once

struct WindowProperties;

// The window of every message box of the program: modal, a fixed dialog
// border, the application's title and no icon; it takes the size of its text
// and the place the window system gives it over the window that asks.
const WindowProperties& messageBoxWindow();
