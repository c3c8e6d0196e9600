#include "windows/text_window.h"

#include "windows/window_builder.h"
#include "windows/window_frame.h"

TextWindow::TextWindow(const WindowDefinition& window, const ControlTable& controls, QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    applyWindowDefinition(*this, window);
    buildControls(*this, controls);
    applyWindowFrame(*this, WindowFrame::FixedSingle);
}
