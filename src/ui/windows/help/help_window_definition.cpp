#include "ui/windows/help/help_window_definition.h"

#include "ui/framework/definition_names.h"
#include "ui/windows/help/help_text.h"

namespace {

using namespace definition_names;

constexpr FontSpec Arial12{"Arial", 12, kRegular};

// clang-format off
const WindowProperties kProperties{
//   name     caption                                 frame        opens   client area   position        background text colour icon         picture
    "Form2", "HELP --- Tovrel 2 By Velmira Tunhold", FixedSingle, Normal, 11925, 8910, At(1200, 1305), System,    System,     ProgramIcon, NoPicture};

const ControlTable kControls{
//   name     kind      in      left top width  height tab text                font     background text colour other
    {"Text1", TextArea, Window, 0,   0,  11895, 8895,  0,  helpText().c_str(), Arial12, System,    System,     kReadOnly},
};

// What screen readers call the text box, which has no caption.
const AccessibleNameTable kAccessibleNames{
    {"Text1", "User guide"},
};
// clang-format on

} // namespace

const WindowDefinition& helpWindowDefinition() {
    static const WindowDefinition definition{kProperties, kControls, {}, {}, {}, {}, kAccessibleNames};
    return definition;
}
