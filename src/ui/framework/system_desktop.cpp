#include "ui/framework/system_desktop.h"

#include "ui/framework/message_box.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <chrono>

namespace {

QMessageBox::StandardButton ask(QWidget* parent, const QString& text, QMessageBox::StandardButtons buttons) {
    return static_cast<QMessageBox::StandardButton>(makeMessageBox(parent, text, buttons)->exec());
}

} // namespace

void SystemDesktop::showMessage(QWidget* parent, const QString& text) {
    ask(parent, text, QMessageBox::Ok);
}

bool SystemDesktop::confirm(QWidget* parent, const QString& text) {
    return ask(parent, text, QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void SystemDesktop::seedRandomFromClock() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float SystemDesktop::nextRandom() {
    // 24 random bits make every float of [0, 1) at the spacing of 2^-24, never 1.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

void SystemDesktop::openUrl(const QUrl& address) {
    QDesktopServices::openUrl(address);
}

bool SystemDesktop::startProgram(const QString& path) {
    return QProcess::startDetached(path, {});
}

void SystemDesktop::endProgram() {
    QCoreApplication::quit();
}
