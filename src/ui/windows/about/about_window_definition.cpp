#include "ui/windows/about/about_window_definition.h"

namespace {

using K = ControlKind;
constexpr ColourValue kSystem = kSystemColour;
constexpr ColourValue kViolet = 0x00FF8080;
constexpr FontSpec kSansSerif975Bold{"MS Sans Serif", 9.75, kBold};

constexpr char kDisclaimer[] =
    "Disclaimer: The author / programmer may not be liable for any errors or bugs or damages to the system "
    "using the software. Any legal issue will be handed in jurisdiction of the Court of Varne, Ostrevia.";

constexpr char kNoticeOfRights[] =
    "Copyright \xA9 Corvanel. All rights reserved. Tovrel is a trademark of Corvanel. This program may not "
    "be copied, sold or passed on, in whole or in part, without the written consent of Corvanel.";

} // namespace

const WindowDefinition& aboutWindowDefinition() {
    static const WindowDefinition window{"frmAbout", "Tovrel By Velmira Tunhold", 9690, 5385, kViolet,
                                         kSystem};
    return window;
}

const ControlTable& aboutControls() {
    // clang-format off
    static const ControlTable controls{
        //  name            kind          in       left   top  width height tab caption                          font          background text
        {"cmdOK",         K::Button,     kWindow, 8040, 3960, 1500,  540,  0, "OK",                             kDefaultFont, kSystem, kSystem},
        {"cmdSysInfo",    K::Button,     kWindow, 8040, 4680, 1485,  585,  1, "&System Info...",                kDefaultFont, kSystem, kSystem},
        {"lblDisclaimer", K::Label,      kWindow,  120, 4200, 3870,  825,  2, kDisclaimer,                      kDefaultFont, kViolet, kBlack},
        {"lblTitle",      K::Label,      kWindow, 4800,  360, 3885,  480,  3, "Application Title : Tovrel",     kSansSerif975Bold,      kViolet, kBlack},
        {"lblVersion",    K::Label,      kWindow, 4800,  960, 3885,  225,  4, "Version : 2.00",                 kSansSerif975Bold,      kViolet, kSystem},
        {"picIcon",       K::PictureBox, kWindow, -120,    0, 4395, 3465,  5, ":/images/logo.png",              kDefaultFont, kSystem, kSystem, kBorder},
        {"Label1",        K::Label,      kWindow, 4800, 2040, 3855,  255,  6, "Programmer : Velmira Tunhold",   kSansSerif975Bold,      kViolet, kSystem},
        {"Label2",        K::Label,      kWindow, 4800, 2760, 4575,  255,  7, "https://www.corvanel.example/ ", kSansSerif975Bold,      kViolet, kLinkRestColour},
        {"Label3",        K::Label,      kWindow, 4440, 4080, 3255, 1185,  8, kNoticeOfRights,                  kDefaultFont, kViolet, kBlack},
        {"Label4",        K::Label,      kWindow, 4800, 1440, 3975,  375,  9, "Company : Corvanel",             kSansSerif975Bold,      kViolet, kSystem},
    };
    // clang-format on
    return controls;
}

const LineTable& aboutLines() {
    // clang-format off
    static const LineTable lines{
        //  name  index x1  y1    x2    y2    colour      width
        {"Line1", 1,    0,  3600, 9720, 3600, 0x00808080, 1},
        {"Line1", 0,    0,  3840, 9720, 3840, 0x00FFFFFF, 2},
    };
    // clang-format on
    return lines;
}
