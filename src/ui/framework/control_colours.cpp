#include "ui/framework/control_colours.h"

#include <QAbstractScrollArea>
#include <QPushButton>

namespace {

QPalette::ColorRole backgroundRole(const QWidget& control) {
    if (qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Base;
    return control.backgroundRole();
}

QPalette::ColorRole foregroundRole(const QWidget& control) {
    if (qobject_cast<const QAbstractScrollArea*>(&control))
        return QPalette::Text;
    return control.foregroundRole();
}

} // namespace

void setControlBackground(QWidget& control, ColourValue colour) {
    QPalette palette = control.palette();
    palette.setColor(backgroundRole(control), colourFromValue(colour));
    control.setPalette(palette);
    // Buttons and text boxes paint their own face; every other control is filled.
    if (!qobject_cast<const QPushButton*>(&control) && backgroundRole(control) != QPalette::Base)
        control.setAutoFillBackground(true);
}

void setControlForeground(QWidget& control, ColourValue colour) {
    QPalette palette = control.palette();
    palette.setColor(foregroundRole(control), colourFromValue(colour));
    control.setPalette(palette);
}

ColourValue controlBackground(const QWidget& control) {
    return valueFromColour(control.palette().color(backgroundRole(control)));
}

ColourValue controlForeground(const QWidget& control) {
    return valueFromColour(control.palette().color(foregroundRole(control)));
}
