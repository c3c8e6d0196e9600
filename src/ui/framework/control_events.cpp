#include "ui/framework/control_events.h"

#include <QMouseEvent>
#include <QWidget>

namespace {

enum class MouseAction { Move, Click };

class MouseActionFilter : public QObject {
public:
    MouseActionFilter(QWidget& widget, MouseAction action, std::function<void()> handler)
        : QObject(&widget), widget_(widget), action_(action), handler_(std::move(handler)) {
        widget.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &widget_ && happened(*event))
            handler_();
        return false;
    }

private:
    bool happened(const QEvent& event) {
        if (action_ == MouseAction::Move)
            return event.type() == QEvent::MouseMove;
        if (event.type() != QEvent::MouseButtonPress && event.type() != QEvent::MouseButtonRelease)
            return false;
        const auto& mouse = static_cast<const QMouseEvent&>(event);
        if (mouse.button() != Qt::LeftButton)
            return false;
        const bool press = event.type() == QEvent::MouseButtonPress;
        const bool click = !press && pressed_ && widget_.rect().contains(mouse.position().toPoint());
        pressed_ = press;
        return click;
    }

    QWidget& widget_;
    MouseAction action_;
    std::function<void()> handler_;
    bool pressed_ = false;
};

} // namespace

void onMouseMove(QWidget& widget, std::function<void()> handler) {
    widget.setMouseTracking(true);
    new MouseActionFilter(widget, MouseAction::Move, std::move(handler));
}

void onClick(QWidget& widget, std::function<void()> handler) {
    new MouseActionFilter(widget, MouseAction::Click, std::move(handler));
}
