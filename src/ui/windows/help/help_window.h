#pragma once

#include <QWidget>

class QPlainTextEdit;
class WindowSurface;

// The Help window: the user guide. Its close button unloads it.
class Form2 : public QWidget {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);

    WindowSurface* surface;
    QPlainTextEdit* Text1;
};
