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
PaintTimer::PaintTimer(QWidget* watched) : watched_(watched) {
    QCoreApplication::instance()->installEventFilter(this);
}

PaintTimer::~PaintTimer() {
    QCoreApplication::instance()->removeEventFilter(this);
}

double PaintTimer::millisecondsUntilPainted(const std::function<void()>& action,
                                            const std::function<bool()>& shows) {
    settle();
    shows_ = shows;
    resultPaints_ = 0;
    QElapsedTimer clock;
    clock.start();
    action();
    while (resultPaints_ == 0 && clock.elapsed() <= kGiveUpAfterMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    const double milliseconds = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    // `shows` may refer to the caller's locals, which end with this call.
    shows_ = nullptr;
    return resultPaints_ > 0 ? milliseconds : -1;
}

void PaintTimer::settle() {
    for (int round = 0; round < kSettleRounds; ++round) {
        paints_ = 0;
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (paints_ == 0)
            return;
    }
}

bool PaintTimer::eventFilter(QObject* watched, QEvent* event) {
    // The filter sees the event before the widget paints; the loop above reads the count only
    // after processEvents() returns, that is after the painting and the flush of the window.
    if (event->type() == QEvent::Paint) {
        ++paints_;
        if (watched == watched_ && shows_ && shows_())
            ++resultPaints_;
    }
    return false;
}
