#include "mainwindow/formain.h"
#include "windows/dictionary_location.h"
#include "windows/font_substitutions.h"
#include "windows/splash_window.h"
#include "windows/system_desktop.h"

#include <QApplication>
#include <QStyleFactory>
#include <memory>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Desktops match the windows to the installed menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.corvanel.Tovrel2"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    installFontSubstitutions();

    SystemDesktop desktop;
    std::unique_ptr<formain> mainWindow;
    // The splash opens first and hands over to the main window at its last tick.
    auto* splash = new afSplash([&] {
        if (!mainWindow)
            mainWindow = std::make_unique<formain>(dictionaryBesideProgram(), desktop);
        mainWindow->bringToFront();
    });
    splash->show();
    return application.exec();
}
