#include "ui/windows/example/example_window.h"

#include "ui/framework/control_events.h"
#include "ui/windows/example/example_window_definition.h"

Form1::Form1(std::function<void()> showMainWindow, QWidget* parent)
    : TextWindow(exampleWindowDefinition(), exampleControls(), parent),
      showMainWindow_(std::move(showMainWindow)) {
    onClick(*this, [this] { Form_Click(); });
}

void Form1::Form_Click() {
    hide();
    showMainWindow_();
}
