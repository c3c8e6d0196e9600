#include "paint_timer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QWidget>

namespace {

constexpr qint64 kGiveUpAfterMs = 20000;
// Rounds of event delivery before a measurement; a window at rest needs one or two.
constexpr int kSettleRounds = 50;

} // namespace

// The filter sits on the application, so that it sees the paints of every widget while settling.
PaintTimer::PaintTimer(QWidget* watched) : m_watched(watched) {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintTimer::~PaintTimer() {
    QCoreApplication::instance()->removeEventFilter(this);
}

double PaintTimer::millisecondsUntilPainted(const std::function<void()>& action,
                                            const std::function<bool()>& shows) {
    settle();
    m_shows = shows;
    m_resultPaints = 0;
    QElapsedTimer clock;
    clock.start();
    action();
    while (m_resultPaints == 0 && clock.elapsed() <= kGiveUpAfterMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    // `shows` may refer to the caller's locals, which end with this call.
    m_shows = nullptr;
    return m_resultPaints > 0 ? milliseconds : -1;
}

void PaintTimer::settle() {
    for (int round = 0; round < kSettleRounds; ++round) {
        m_paints = 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (m_paints == 0)
            return;
    }
}

bool PaintTimer::eventFilter(QObject* watched, QEvent* event) {
    // The filter sees the event before the widget paints; the loop above reads the count only
    // after processEvents() returns, that is after the painting and the flush of the window.
    if (event->type() == QEvent::Paint) {
        ++m_paints;
        if (watched == m_watched && m_shows && m_shows())
            ++m_resultPaints;
    }
    return false;
}
