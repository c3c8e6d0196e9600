#pragma once

#include <QLabel>

// A one-line label that always shows its whole caption inside its box: where
// the caption is wider than the box, it is drawn in a smaller size of the
// label's font, just small enough. The box and the label's own font stay.
class ShrinkingLabel : public QLabel {
    Q_OBJECT
public:
    explicit ShrinkingLabel(QWidget* parent = nullptr);

    // The font the caption is drawn in now.
    QFont shownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};
