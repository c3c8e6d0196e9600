#include "ui/framework/classic_palette.h"

#include <QColor>
#include <QPalette>

namespace {

struct RoleColour {
    QPalette::ColorRole role;
    QRgb colour;
};

// The window definitions were drawn against these colours; a "system" colour
// in them means one of these, never what the desktop's theme happens to be, so
// a dark or high-contrast desktop leaves the windows as they were drawn.
//  role                          classic colour
constexpr RoleColour kActive[] = {
    {QPalette::Window, 0xC0C0C0},     // button face: dialogs and windows
    {QPalette::WindowText, 0x000000}, // window text
    {QPalette::Base, 0xFFFFFF},       // window: the inside of text boxes
    {QPalette::AlternateBase, 0xFFFFFF},
    {QPalette::Text, 0x000000},       // window text, in text boxes
    {QPalette::Button, 0xC0C0C0},     // button face
    {QPalette::ButtonText, 0x000000}, // button text
    {QPalette::BrightText, 0xFFFFFF},
    {QPalette::Light, 0xFFFFFF},    // 3-D highlight
    {QPalette::Midlight, 0xDFDFDF}, // 3-D light
    {QPalette::Mid, 0xA0A0A0},
    {QPalette::Dark, 0x808080},            // button shadow
    {QPalette::Shadow, 0x000000},          // 3-D dark shadow
    {QPalette::Highlight, 0x000080},       // highlight
    {QPalette::HighlightedText, 0xFFFFFF}, // highlighted text
    {QPalette::Link, 0x0000FF},
    {QPalette::LinkVisited, 0x800080},
    {QPalette::ToolTipBase, 0xFFFFE1},     // info background
    {QPalette::ToolTipText, 0x000000},     // info text
    {QPalette::PlaceholderText, 0x808080}, // grey text
};

// Disabled controls show their text in grey; the rest stays.
constexpr RoleColour kDisabled[] = {
    {QPalette::WindowText, 0x808080},
    {QPalette::Text, 0x808080},
    {QPalette::ButtonText, 0x808080},
    {QPalette::Base, 0xC0C0C0},
};

} // namespace

QPalette classicPalette() {
    QPalette palette;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        for (const RoleColour& each : kActive)
            palette.setColor(group, each.role, QColor::fromRgb(each.colour));
    for (const RoleColour& each : kDisabled)
        palette.setColor(QPalette::Disabled, each.role, QColor::fromRgb(each.colour));
    return palette;
}
