#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries inside the button, as
// the long captions of the main window's command buttons need.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
