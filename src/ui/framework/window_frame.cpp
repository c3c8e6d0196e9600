#include "ui/framework/window_frame.h"

#include "ui/framework/control_colours.h"
#include "ui/framework/program_icon.h"
#include "ui/framework/twips.h"
#include "ui/framework/window_definition.h"
#include "ui/framework/window_surface.h"

#include <QFrame>
#include <QGuiApplication>
#include <QIcon>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>

namespace {

Qt::WindowFlags flags(WindowFrame frame) {
    const Qt::WindowFlags titleBarWithClose =
        Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (frame) {
    case WindowFrame::Sizable:
        return Qt::Window;
    case WindowFrame::FixedSingle:
        return Qt::Window | titleBarWithClose;
    case WindowFrame::FixedDialog:
        return Qt::Dialog | titleBarWithClose;
    case WindowFrame::TitleLess:
        return Qt::SplashScreen | Qt::FramelessWindowHint;
    }
    return Qt::Window;
}

// What lies around the client area inside the window: a main window's menu
// bar, or the border a title-less window draws.
QMargins aroundClientArea(const QWidget& window, const WindowSurface& clientArea) {
    if (const auto* main = qobject_cast<const QMainWindow*>(&window))
        return {0, main->menuWidget() ? main->menuWidget()->sizeHint().height() : 0, 0, 0};
    const QPoint inset = clientArea.mapTo(&window, QPoint(0, 0));
    return {inset.x(), inset.y(), inset.x(), inset.y()};
}

} // namespace

WindowSurface& makeClientArea(QWidget& window, const WindowProperties& properties) {
    WindowSurface* surface = nullptr;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        surface = new WindowSurface(main);
        main->setCentralWidget(surface);
    } else if (properties.frame == WindowFrame::TitleLess) {
        // No window system draws this border, so the window draws it around its client area.
        auto* border = new QFrame(&window);
        border->setFrameStyle(QFrame::WinPanel | QFrame::Raised);
        surface = new WindowSurface(border);
        surface->move(border->frameWidth(), border->frameWidth());
        border->resize(twipsToPixels(properties.clientWidth) + 2 * border->frameWidth(),
                       twipsToPixels(properties.clientHeight) + 2 * border->frameWidth());
    } else {
        surface = new WindowSurface(&window);
    }
    surface->resize(twipsToPixels(properties.clientWidth), twipsToPixels(properties.clientHeight));
    if (properties.background != kSystemColour)
        setControlBackground(*surface, properties.background);
    if (properties.foreground != kSystemColour)
        setControlForeground(*surface, properties.foreground);
    if (properties.picture)
        surface->setPicture(QPixmap(QString::fromLatin1(properties.picture)));
    return *surface;
}

void frameWindow(QWidget& window, const WindowSurface& clientArea, const WindowProperties& properties) {
    window.setWindowFlags(flags(properties.frame));
    if (properties.icon == WindowIcon::Program)
        window.setWindowIcon(programIcon());

    const QMargins around = aroundClientArea(window, clientArea);
    const QSize size = clientArea.size().grownBy(around);
    if (properties.frame == WindowFrame::Sizable)
        window.resize(size);
    else
        window.setFixedSize(size);

    switch (properties.position.kind) {
    case StartPosition::Kind::ChosenBySystem:
        break;
    case StartPosition::Kind::Centred: {
        const QWidget* owner = window.parentWidget();
        const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
        window.move(screen->geometry().center() - window.rect().center());
        break;
    }
    case StartPosition::Kind::At:
        // The geometry of a top-level widget is that of its inside, without the window system's frame.
        window.setGeometry(QRect(QPoint(twipsToPixels(properties.position.left) - around.left(),
                                        twipsToPixels(properties.position.top) - around.top()),
                                 size));
        break;
    }
}
