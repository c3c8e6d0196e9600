#pragma once

#include "ui/framework/control_binding.h"

#include <QWidget>
#include <functional>

class QPlainTextEdit;
class WindowSurface;

// The Example window: the results of the four search modes for one word. A
// click on its own surface, the strip below the text box, takes the user back
// to the main window; the window stays loaded, only hidden. Its close button
// unloads it.
class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    WindowSurface* surface;
    QPlainTextEdit* Text1;

private:
    void Form_Click();

    std::function<void()> showMainWindow_;
};
