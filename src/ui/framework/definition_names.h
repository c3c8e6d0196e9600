#pragma once

#include "ui/framework/control_definition.h"
#include "ui/framework/window_definition.h"

// Short names that let the window definitions read like the tables they are
// drawn from. A definition file brings them in with `using namespace definition_names;`.
namespace definition_names {

constexpr ControlKind TextBox = ControlKind::TextBox;
constexpr ControlKind TextArea = ControlKind::TextArea;
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

constexpr WindowFrame Sizable = WindowFrame::Sizable;
constexpr WindowFrame FixedSingle = WindowFrame::FixedSingle;
constexpr WindowFrame FixedDialog = WindowFrame::FixedDialog;
constexpr WindowFrame TitleLess = WindowFrame::TitleLess;

constexpr WindowState Normal = WindowState::Normal;
constexpr WindowState Maximized = WindowState::Maximized;

constexpr StartPosition ChosenBySystem{StartPosition::Kind::ChosenBySystem};
constexpr StartPosition Centred{StartPosition::Kind::Centred};
constexpr StartPosition At(int left, int top) {
    return {StartPosition::Kind::At, left, top};
}

constexpr WindowIcon ProgramIcon = WindowIcon::Program;
constexpr WindowIcon NoIcon = WindowIcon::None;
constexpr const char* NoPicture = nullptr;

} // namespace definition_names
