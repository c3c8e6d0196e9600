#include "ui/windows/main/secondary_windows.h"

#include "platform/linux_system_information.h"
#include "ui/windows/about/about_window.h"
#include "ui/windows/example/example_window.h"
#include "ui/windows/help/help_window.h"
#include "ui/windows/splash/splash_window.h"

namespace {

// A closed window drops its delete-on-close flag and waits for its deletion:
// it counts as unloaded from then on.
bool isLoaded(const QWidget* window) {
    return window && window->testAttribute(Qt::WA_DeleteOnClose);
}

template <typename Window, typename Load> Window* show(QPointer<Window>& window, Load load) {
    if (!isLoaded(window))
        window = load();
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

} // namespace

SecondaryWindows::SecondaryWindows(Desktop& desktop, std::function<void()> showMainWindow, QWidget* owner,
                                   std::unique_ptr<SystemInformation> systemInformation)
    : desktop_(desktop), showMainWindow_(std::move(showMainWindow)), owner_(owner),
      systemInformation_(systemInformation ? std::move(systemInformation)
                                           : std::make_unique<LinuxSystemInformation>()) {}

SecondaryWindows::~SecondaryWindows() {
    delete about_;
    delete example_;
    delete help_;
    delete splash_;
}

frmAbout* SecondaryWindows::showAbout() {
    return show(about_, [this] { return new frmAbout(desktop_, *systemInformation_, owner_); });
}

Form1* SecondaryWindows::showExample() {
    return show(example_, [this] { return new Form1(showMainWindow_); });
}

Form2* SecondaryWindows::showHelp() {
    return show(help_, [] { return new Form2; });
}

afSplash* SecondaryWindows::showSplash() {
    if (!isLoaded(splash_))
        splash_ = new afSplash(showMainWindow_, owner_);
    splash_->show();
    splash_->raise();
    return splash_;
}
