#include "ui/windows/help/help_window.h"

#include "ui/windows/help/help_window_definition.h"

Form2::Form2(QWidget* parent) : TextWindow(helpWindowDefinition(), helpControls(), parent) {
    placeClientArea(*this, kHelpPosition);
}
