#pragma once

#include <QLabel>

// A picture that can take the focus, and shows it by the dotted focus
// rectangle just inside its border, over the picture.
class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
