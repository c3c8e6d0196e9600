#include "ui/windows/splash/splash_window.h"

#include "ui/framework/window_builder.h"
#include "ui/windows/splash/splash_window_definition.h"

#include <QGroupBox>
#include <QLabel>
#include <QTimer>

afSplash::afSplash(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent), showMainWindow_(std::move(showMainWindow)) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Closing the splash hands over to the main window; it never ends the program.
    setAttribute(Qt::WA_QuitOnClose, false);
    surface = &buildWindow(*this, splashWindowDefinition(), bindings());

    Timer2 = new QTimer(this);
    Timer2->setObjectName(QStringLiteral("Timer2"));
    Timer2->setInterval(kSplashTickMilliseconds);
    connect(Timer2, &QTimer::timeout, this, &afSplash::Timer2_Timer);
    Form_Load();
    Timer2->start();
}

ControlBindings afSplash::bindings() {
    return {
        {"Frame1", Frame1},
        {"Label2", Label2},
        {"imgLogo", imgLogo},
        {"lblCompanyProduct", lblCompanyProduct},
        {"lblProductName", lblProductName},
        {"lblPlatform", lblPlatform},
        {"lblVersion", lblVersion},
        {"lblCompany", lblCompany},
        {"lblWarning", lblWarning},
    };
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
