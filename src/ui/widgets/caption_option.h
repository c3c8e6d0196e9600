#pragma once

#include <QRadioButton>

// An option button whose caption wraps at word boundaries beside its
// indicator, as option buttons of the window definitions do, instead of being
// cut off at the right edge.
class CaptionOption : public QRadioButton {
    Q_OBJECT
public:
    explicit CaptionOption(const QString& caption, QWidget* parent = nullptr);

    // Where the caption is drawn, wrapped and centred from top to bottom.
    QRect captionArea() const;
    static constexpr int kCaptionFlags =
        Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& position) const override;
};
