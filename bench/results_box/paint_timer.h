#pragma once

#include <QObject>

#include <functional>

class QWidget;

// Times an action up to the moment the widget it watches has painted what the action changed:
// runs the action, then lets the event loop deliver events, as the program's own loop would,
// until a paint event of that widget has been handled. Watch the widget that paints (for a
// scroll area, its viewport).
class PaintTimer : public QObject {
public:
    explicit PaintTimer(QWidget* watched);
    ~PaintTimer() override;

    // Milliseconds from the start of `action` to the end of the next paint of the watched
    // widget, or a negative number if nothing was painted within a few seconds.
    double millisecondsUntilPainted(const std::function<void()>& action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_watched;
    int m_paints = 0;
};
