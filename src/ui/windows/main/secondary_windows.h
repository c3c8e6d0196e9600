#pragma once

#include "platform/system_information.h"

#include <QPointer>
#include <functional>
#include <memory>

class Desktop;
class Form1;
class Form2;
class QWidget;
class frmAbout;

// The About, Example and Help windows of the main window: at most one of each,
// created when first shown, shown modeless, and loaded anew from its definition
// when shown after its own close has unloaded it.
class SecondaryWindows {
public:
    // `showMainWindow` brings the main window to the front (the Example
    // window's way back). `owner` owns the About window, which thus has no
    // task-bar button of its own. The system information defaults to this
    // platform's.
    SecondaryWindows(Desktop& desktop, std::function<void()> showMainWindow, QWidget* owner = nullptr,
                     std::unique_ptr<SystemInformation> systemInformation = nullptr);
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    frmAbout* showAbout();
    Form1* showExample();
    Form2* showHelp();

private:
    Desktop& desktop_;
    std::function<void()> showMainWindow_;
    QWidget* owner_;
    std::unique_ptr<SystemInformation> systemInformation_;
    QPointer<frmAbout> about_;
    QPointer<Form1> example_;
    QPointer<Form2> help_;
};
