#pragma once

#include "platform/system_information.h"

#include <QPointer>
#include <functional>
#include <memory>

class Desktop;
class Form1;
class Form2;
class QWidget;
class afSplash;
class frmAbout;

// The windows the main window opens: the About, Example and Help windows and
// the splash of the locked mode. At most one of each, created when first
// shown, shown modeless, and loaded anew from its definition when shown after
// its own close has unloaded it. The main window reaches the other windows
// only through this class.
class SecondaryWindows {
public:
    // `showMainWindow` brings the main window to the front (the Example
    // window's way back, and the splash's at its end). `owner` owns the About
    // window and the splash, which thus have no task-bar button of their own. The system information defaults
    // to this platform's.
    SecondaryWindows(Desktop& desktop, std::function<void()> showMainWindow, QWidget* owner = nullptr,
                     std::unique_ptr<SystemInformation> systemInformation = nullptr);
    ~SecondaryWindows();
    SecondaryWindows(const SecondaryWindows&) = delete;
    SecondaryWindows& operator=(const SecondaryWindows&) = delete;

    frmAbout* showAbout();
    Form1* showExample();
    Form2* showHelp();
    // Brings a splash that is still ticking to the front rather than start another.
    afSplash* showSplash();

private:
    Desktop& desktop_;
    std::function<void()> showMainWindow_;
    QWidget* owner_;
    std::unique_ptr<SystemInformation> systemInformation_;
    QPointer<frmAbout> about_;
    QPointer<Form1> example_;
    QPointer<Form2> help_;
    QPointer<afSplash> splash_;
};
