#include "ui/windows/example/example_window_definition.h"

#include "ui/framework/definition_names.h"
#include "ui/windows/example/example_text.h"

namespace {

using namespace definition_names;

constexpr FontSpec Arial12{"Arial", 12, kRegular};
constexpr ColourValue PaleLilacBlue = 0x00FFC0C0;

// clang-format off
const WindowProperties kProperties{
//   name     caption                                  frame        opens   client area  position        background     text colour icon         picture
    "Form1", "Example - Tovrel 2 By Velmira Tunhold", FixedSingle, Normal, 9615, 7590,  ChosenBySystem, PaleLilacBlue, System,     ProgramIcon, NoPicture};

const ControlTable kControls{
//   name     kind      in      left top width height tab text                   font     background text colour other
    {"Text1", TextArea, Window, 0,   0,  9615, 7575,  0,  exampleText().c_str(), Arial12, System,    System,     kReadOnly},
};

// What screen readers call the text box, which has no caption.
const AccessibleNameTable kAccessibleNames{
    {"Text1", "Example"},
};
// clang-format on

} // namespace

const WindowDefinition& exampleWindowDefinition() {
    static const WindowDefinition definition{kProperties, kControls, {}, {}, {}, {}, kAccessibleNames};
    return definition;
}
