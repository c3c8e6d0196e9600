#include "ui/windows/about/about_window_definition.h"

#include "ui/framework/definition_names.h"

namespace {

using namespace definition_names;

constexpr ColourValue Violet = 0x00FF8080;
constexpr ColourValue Black = kBlack;
constexpr FontSpec SansSerif975Bold{"MS Sans Serif", 9.75, kBold};

constexpr char kDisclaimer[] =
    "Disclaimer: The author / programmer may not be liable for any errors or bugs or damages to the system "
    "using the software. Any legal issue will be handed in jurisdiction of the Court of Varne, Ostrevia.";

constexpr char kNoticeOfRights[] =
    "Copyright \xA9 Corvanel. All rights reserved. Tovrel is a trademark of Corvanel. This program may not "
    "be copied, sold or passed on, in whole or in part, without the written consent of Corvanel.";

// clang-format off
const WindowProperties kProperties{
//   name        caption                      frame        opens   client area  position        background text colour icon         picture
    "frmAbout", "Tovrel By Velmira Tunhold", FixedDialog, Normal, 9690, 5385,  At(4350, 3405), Violet,    System,     ProgramIcon, NoPicture};

const ControlTable kControls{
//   name             kind        in      left  top   width height tab caption                           font              background text colour
    {"cmdOK",         Button,     Window, 8040, 3960, 1500, 540,   0,  "OK",                             NoFont,           System,    System},
    {"cmdSysInfo",    Button,     Window, 8040, 4680, 1485, 585,   1,  "&System Info...",                NoFont,           System,    System},
    {"lblDisclaimer", Label,      Window, 120,  4200, 3870, 825,   2,  kDisclaimer,                      NoFont,           Violet,    Black},
    {"lblTitle",      Label,      Window, 4800, 360,  3885, 480,   3,  "Application Title : Tovrel",     SansSerif975Bold, Violet,    Black},
    {"lblVersion",    Label,      Window, 4800, 960,  3885, 225,   4,  "Version : 2.00",                 SansSerif975Bold, Violet,    System},
    {"picIcon",       PictureBox, Window, -120, 0,    4395, 3465,  5,  ":/images/logo.png",              NoFont,           System,    System, kBorder},
    {"Label1",        Label,      Window, 4800, 2040, 3855, 255,   6,  "Programmer : Velmira Tunhold",   SansSerif975Bold, Violet,    System},
    {"Label2",        Label,      Window, 4800, 2760, 4575, 255,   7,  "https://www.corvanel.example/ ", SansSerif975Bold, Violet,    kLinkRestColour},
    {"Label3",        Label,      Window, 4440, 4080, 3255, 1185,  8,  kNoticeOfRights,                  NoFont,           Violet,    Black},
    {"Label4",        Label,      Window, 4800, 1440, 3975, 375,   9,  "Company : Corvanel",             SansSerif975Bold, Violet,    System},
};

const LineTable kLines{
//   name     index x1  y1    x2    y2    colour      width
    {"Line1", 1,    0,  3600, 9720, 3600, 0x00808080, 1},
    {"Line1", 0,    0,  3840, 9720, 3840, 0x00FFFFFF, 2},
};

// What screen readers call the picture, which has no caption.
const AccessibleNameTable kAccessibleNames{
    {"picIcon", "Tovrel logo"},
};
// clang-format on

} // namespace

const WindowDefinition& aboutWindowDefinition() {
    static const WindowDefinition definition{kProperties, kControls, {}, {}, kLines, {}, kAccessibleNames};
    return definition;
}
