#pragma once

#include "ui/framework/control_definition.h"

// Short names that let the window definitions read like the tables they are
// drawn from. A definition file brings them in with `using namespace definition_names;`.
namespace definition_names {

constexpr ControlKind TextBox = ControlKind::TextBox;
constexpr ControlKind ResultsBox = ControlKind::ResultsBox;
constexpr ControlKind Label = ControlKind::Label;
constexpr ControlKind Button = ControlKind::Button;
constexpr ControlKind Frame = ControlKind::Frame;
constexpr ControlKind Option = ControlKind::OptionButton;
constexpr ControlKind PictureBox = ControlKind::PictureBox;
constexpr ControlKind Image = ControlKind::Image;
constexpr ControlKind Shape = ControlKind::Shape;

constexpr const char* Window = kWindow;
constexpr int None = kNoTabStop;
constexpr ColourValue System = kSystemColour;
constexpr FontSpec NoFont = kDefaultFont;

} // namespace definition_names
