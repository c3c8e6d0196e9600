#pragma once

#include <functional>

class QWidget;

// The mouse events that the window definitions give handlers for but that
// Qt's widgets have no signal for: a move of the pointer over the widget, with
// or without a button held, and a click, that is a left press and a left
// release over it. The widget still gets the events as usual.
void onMouseMove(QWidget& widget, std::function<void()> handler);
void onClick(QWidget& widget, std::function<void()> handler);
