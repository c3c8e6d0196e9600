#pragma once

#include "ui/framework/text_window.h"

#include <functional>

// The Example window: the results of the four search modes for one word. A
// click on its own surface, the strip below the text box, takes the user back
// to the main window; the window stays loaded, only hidden.
class Form1 : public TextWindow {
    Q_OBJECT
public:
    explicit Form1(std::function<void()> showMainWindow, QWidget* parent = nullptr);

private:
    void Form_Click();

    std::function<void()> showMainWindow_;
};
