#pragma once

#include "ui/framework/window_definition.h"

#include <QWidget>

// A window that shows one fixed text, read-only, in its text box `Text1`: the
// base of the Example and Help windows. It unloads itself when closed.
class TextWindow : public QWidget {
    Q_OBJECT
protected:
    TextWindow(const WindowDefinition& window, const ControlTable& controls, QWidget* parent);
};
