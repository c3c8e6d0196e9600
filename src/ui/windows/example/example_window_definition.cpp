#include "ui/windows/example/example_window_definition.h"

#include "ui/windows/example/example_text.h"

const WindowDefinition& exampleWindowDefinition() {
    static const WindowDefinition window{
        "Form1", "Example - Tovrel 2 By Velmira Tunhold", 9615, 7590, 0x00FFC0C0, kSystemColour};
    return window;
}

const ControlTable& exampleControls() {
    // clang-format off
    static const ControlTable controls{
        //  name   kind                 in       left top width height tab text                   font                 background     text
        {"Text1", ControlKind::TextArea, kWindow, 0,   0,  9615, 7575,  0,  exampleText().c_str(), {"Arial", 12, 400}, kSystemColour, kSystemColour, kReadOnly},
    };
    // clang-format on
    return controls;
}
