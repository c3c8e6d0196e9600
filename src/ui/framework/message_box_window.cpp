#include "ui/framework/message_box_window.h"

#include "ui/framework/definition_names.h"

const WindowProperties& messageBoxWindow() {
    using namespace definition_names;
    // clang-format off
    static const WindowProperties window{
    //   name      caption                        frame        opens   client area  position        background text colour icon    picture
        "MsgBox", "Tovrel 2 By Velmira Tunhold", FixedDialog, Normal, 0, 0,        ChosenBySystem, System,    System,     NoIcon, NoPicture};
    // clang-format on
    return window;
}
