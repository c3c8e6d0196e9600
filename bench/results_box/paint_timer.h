#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Times an action up to the moment the widget it watches has painted what the action changed:
// runs the action, then lets the event loop deliver events, as the program's own loop would,
// until a paint event of that widget has been handled while the widget showed the action's
// result. Watch the widget that paints (for a scroll area, its viewport).
class PaintTimer : public QObject {
public:
    explicit PaintTimer(QWidget* watched);
    ~PaintTimer() override;

    // Milliseconds from the start of `action` to the end of the first paint of the watched widget
    // during which `shows()` holds, or a negative number if there was none within a few seconds.
    // `shows` is asked as each paint begins, so it sees the state that paint puts on the screen;
    // it tells the paint of the result from one of an older state. Before the clock starts,
    // whatever was queued earlier is delivered and painted, so that none of it is timed.
    double millisecondsUntilPainted(
        const std::function<void()>& action, const std::function<bool()>& shows = [] { return true; });

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settle();

    QWidget* watched_;
    std::function<bool()> shows_;
    int paints_ = 0;
    int resultPaints_ = 0;
};
