#include "core/wordlist/word_list_location.h"
#include "ui/framework/classic_look.h"
#include "ui/framework/system_desktop.h"
#include "ui/windows/main/formain.h"
#include "ui/windows/splash/splash_window.h"

#include <QApplication>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Desktops match the windows to the installed menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvanel.Tovrel2"));
    installClassicLook();

    SystemDesktop desktop;
    std::unique_ptr<formain> mainWindow;
    // The splash opens first and hands over to the main window at its last tick.
    auto* splash = new afSplash([&] {
        if (!mainWindow)
            mainWindow = std::make_unique<formain>(tovrel::locateWordList(), desktop);
        mainWindow->bringToFront();
    });
    splash->show();
    return application.exec();
}
