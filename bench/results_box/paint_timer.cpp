#include "paint_timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace {

constexpr qint64 kGiveUpAfterMs = 20000;

} // namespace

PaintTimer::PaintTimer(QWidget* watched) : m_watched(watched) {
    m_watched->installEventFilter(this);
}

PaintTimer::~PaintTimer() {
    m_watched->removeEventFilter(this);
}

double PaintTimer::millisecondsUntilPainted(const std::function<void()>& action) {
    m_paints = 0;
    QElapsedTimer clock;
    clock.start();
    action();
    while (m_paints == 0) {
        if (clock.elapsed() > kGiveUpAfterMs)
            return -1;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return static_cast<double>(clock.nsecsElapsed()) / 1e6;
}

bool PaintTimer::eventFilter(QObject* watched, QEvent* event) {
    // The filter sees the event before the widget paints; the loop above reads the count only
    // after processEvents() returns, that is after the painting.
    if (watched == m_watched && event->type() == QEvent::Paint)
        ++m_paints;
    return false;
}
