#pragma once

struct WindowProperties;
class QWidget;
class WindowSurface;

// Makes the window's client area as the properties give it: its size, colours
// and picture; inside the border that a title-less window draws itself, or as
// the central widget of a main window.
WindowSurface& makeClientArea(QWidget& window, const WindowProperties& properties);

// Gives the window its frame and icon, its size around the client area, and
// its first position. A fixed frame keeps that size.
void frameWindow(QWidget& window, const WindowSurface& clientArea, const WindowProperties& properties);
