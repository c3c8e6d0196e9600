#include "windows/help_window.h"

#include "windows/help_window_definition.h"

Form2::Form2(QWidget* parent) : TextWindow(helpWindowDefinition(), helpControls(), parent) {
    placeClientArea(*this, kHelpPosition);
}
