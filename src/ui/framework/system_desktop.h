#pragma once

#include "ui/framework/desktop.h"

#include <random>

// The real desktop: Qt's message boxes, a clock-seeded generator, the default
// browser and detached processes.
class SystemDesktop : public Desktop {
public:
    void showMessage(QWidget* parent, const QString& text) override;
    bool confirm(QWidget* parent, const QString& text) override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    void openUrl(const QUrl& address) override;
    bool startProgram(const QString& path) override;
    void endProgram() override;

private:
    std::mt19937 generator_;
};
