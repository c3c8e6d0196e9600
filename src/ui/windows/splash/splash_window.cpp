#include "ui/windows/splash/splash_window.h"

#include "ui/framework/twips.h"
#include "ui/framework/window_builder.h"
#include "ui/windows/splash/splash_definition.h"

#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

afSplash::afSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QFrame(parent, Qt::SplashScreen | Qt::FramelessWindowHint), showMainWindow_(std::move(showMainWindow)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the splash hands over to the main window; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    // The fixed dialog border, drawn around the client area.
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);

    auto* clientArea = new QWidget(this);
    applyWindowDefinition(*this, *clientArea, kSplashWindow);
    buildControls(*clientArea, kSplashControls);
    clientArea->move(frameWidth(), frameWidth());
    setFixedSize(clientArea->size() + QSize(2 * frameWidth(), 2 * frameWidth()));

    Frame1 = control<QGroupBox>(*this, "Frame1");
    Label2 = control<QLabel>(*this, "Label2");

    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    move(screen->geometry().center() - rect().center());

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kSplashTickMilliseconds);
    connect(Timer2, &QTimer::timeout, this, &afSplash::Timer2_Timer);
    Form_Load();
    Timer2->start();
}

void afSplash::Form_Load() {
    tickCounter_ = 0;
}

void afSplash::Timer2_Timer() {
    Label2->setText(QString::number(tickCounter_));
    ++tickCounter_;
    if (tickCounter_ != kSplashLastTick)
        return;
    Timer2->stop();
    const std::function<void()> showMainWindow = showMainWindow_;
    close();
    if (showMainWindow)
        showMainWindow();
}
