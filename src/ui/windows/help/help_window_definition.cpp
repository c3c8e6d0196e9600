#include "ui/windows/help/help_window_definition.h"

#include "ui/windows/help/help_text.h"

const WindowDefinition& helpWindowDefinition() {
    static const WindowDefinition window{
        "Form2", "HELP --- Tovrel 2 By Velmira Tunhold", 11925, 8910, kSystemColour, kSystemColour};
    return window;
}

const ControlTable& helpControls() {
    // clang-format off
    static const ControlTable controls{
        //  name   kind                 in       left top width  height tab text                font                 background     text
        {"Text1", ControlKind::TextArea, kWindow, 0,   0,  11895, 8895,  0,  helpText().c_str(), {"Arial", 12, 400}, kSystemColour, kSystemColour, kReadOnly},
    };
    // clang-format on
    return controls;
}
