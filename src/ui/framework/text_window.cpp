#include "ui/framework/text_window.h"

#include "ui/framework/window_builder.h"
#include "ui/framework/window_frame.h"

TextWindow::TextWindow(const WindowDefinition& window, const ControlTable& controls, QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowDefinition(*this, window);
    buildControls(*this, controls);
    applyWindowFrame(*this, WindowFrame::FixedSingle);
}
