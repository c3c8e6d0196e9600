#pragma once

#include <QFrame>
#include <functional>

class QGroupBox;
class QLabel;
class QTimer;

// The splash window: a title-less panel that counts the ticks of its timer in
// Label2 and at the last tick closes itself (it is deleted on closing) and
// hands over to the main window through the given callback.
class afSplash : public QFrame {
    Q_OBJECT
public:
    explicit afSplash(std::function<void()> showMainWindow, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel* Label2;
    QTimer* Timer2;

public slots:
    void Timer2_Timer();

private:
    void Form_Load();

    std::function<void()> showMainWindow_;
    int tickCounter_ = 0;
};
