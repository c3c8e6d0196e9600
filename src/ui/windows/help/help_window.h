#pragma once

#include "ui/framework/text_window.h"

// The Help window: the user guide.
class Form2 : public TextWindow {
    Q_OBJECT
public:
    explicit Form2(QWidget* parent = nullptr);
};
