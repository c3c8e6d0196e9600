#pragma once

#include <QPushButton>

// A push button whose caption wraps at word boundaries inside the button, as
// the long captions of the main window's command buttons need. Enter or
// Return clicks it while it has the focus, as Space does, in every window.
class CaptionButton : public QPushButton {
    Q_OBJECT
public:
    explicit CaptionButton(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is drawn, wrapped and centred, when the button is up.
    QRect captionArea() const;
    static constexpr int kCaptionFlags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
};
