#pragma once

#include "ui/framework/control_binding.h"

#include <QWidget>
#include <functional>

class QGroupBox;
class QLabel;
class QTimer;
class WindowSurface;

// The splash window: a title-less panel that counts the ticks of its timer in
// Label2 and at the last tick closes itself (it is deleted on closing) and
// hands over to the main window through the given callback.
class afSplash : public QWidget {
    Q_OBJECT
public:
    explicit afSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    WindowSurface* surface;
    QGroupBox* Frame1;
    QLabel* Label2;
    QLabel* imgLogo;
    QLabel* lblCompanyProduct;
    QLabel* lblProductName;
    QLabel* lblPlatform;
    QLabel* lblVersion;
    QLabel* lblCompany;
    QLabel* lblWarning;
    QTimer* Timer2;

public slots:
    void Timer2_Timer();

private:
    ControlBindings bindings();
    void Form_Load();

    std::function<void()> showMainWindow_;
    int tickCounter_ = 0;
};
