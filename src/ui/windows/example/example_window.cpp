#include "ui/windows/example/example_window.h"

#include "ui/framework/control_events.h"
#include "ui/framework/window_builder.h"
#include "ui/framework/window_surface.h"
#include "ui/windows/example/example_window_definition.h"

#include <QPlainTextEdit>

Form1::Form1(std::function<void()> showMainWindow, QWidget* parent)
    : QWidget(parent), showMainWindow_(std::move(showMainWindow)) {
    setAttribute(Qt::WA_DeleteOnClose);
    surface = &buildWindow(*this, exampleWindowDefinition(), {{"Text1", Text1}});
    onClick(*surface, [this] { Form_Click(); });
}

void Form1::Form_Click() {
    hide();
    showMainWindow_();
}
