#include "ui/windows/main/formain.h"

#include "ui/framework/control_colours.h"

#include <QFont>
#include <QLabel>

namespace {

void setLook(QLabel& label, double points, ColourValue textColour) {
    QFont font = label.font();
    font.setPointSizeF(points);
    label.setFont(font);
    setControlForeground(label, textColour);
}

} // namespace

// The definition label grows and turns yellow under the pointer, and shrinks
// back to white at the next move over the window's bare surface.
void formain::Label6_MouseMove() {
    setLook(*Label6, 11, 0x0000FFFF);
}

void formain::Form_MouseMove() {
    setLook(*Label6, 8, 0x00FFFFFF);
}
