#pragma once

#include "ui/framework/colour_value.h"
#include "ui/framework/font_spec.h"

// One row of a window definition: a control with its kind, container,
// geometry in twips, tab index, caption, font and colours.
enum class ControlKind {
    TextBox,    // single-line text box
    TextArea,   // multi-line text box with a vertical scroll bar
    ResultsBox, // the main window's results box: multi-line, read-only, fast on long texts
    Label,      // left-aligned, wraps at word boundaries, cut off at its box
    Button,
    Frame,
    OptionButton,
    PictureBox, // shows its picture at its own size from the top-left, cut off at the box
    Image,      // shows its picture stretched to the box
    Shape       // rounded-rectangle outline, drawn on the window's surface
};

// Where a control lies: on the window itself, or inside the named frame.
constexpr const char* kWindow = nullptr;
// A control that the Tab key never visits.
constexpr int kNoTabStop = -1;

// Small deviations from a plain control of its kind.
enum ControlStyle : unsigned {
    kPlain = 0,
    kAutoSize = 1u << 0,    // a label that sizes itself to its caption
    kAlignRight = 1u << 1,  // right-aligned caption
    kReadOnly = 1u << 2,    // a text box that only shows text
    kBorder = 1u << 3,      // a picture box with a sunken border 2 pixels wide
    kShrinkToFit = 1u << 4, // a one-line label whose font shrinks until its whole caption shows
};

struct ControlDefinition {
    const char* name;
    ControlKind kind;
    const char* container;        // kWindow or the name of a frame
    int left, top, width, height; // twips
    int tabIndex;
    const char* caption; // caption or text; for pictures, the image resource
    FontSpec font;
    ColourValue background;
    ColourValue foreground;
    unsigned style = kPlain;
};

struct ToolTipDefinition {
    const char* control;
    const char* toolTip;
};
