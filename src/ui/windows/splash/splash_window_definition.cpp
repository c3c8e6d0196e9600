#include "ui/windows/splash/splash_window_definition.h"

#include "ui/framework/definition_names.h"

namespace {

using namespace definition_names;

constexpr FontSpec SansSerif24Bold{"MS Sans Serif", 24, kBold};
constexpr FontSpec Arial18Bold{"Arial", 18, kBold};
constexpr FontSpec Arial3225Bold{"Arial", 32.25, kBold};
constexpr FontSpec Arial1575Bold{"Arial", 15.75, kBold};
constexpr FontSpec Arial12Bold{"Arial", 12, kBold};
constexpr FontSpec Arial1125Bold{"Arial", 11.25, kBold};
constexpr FontSpec Arial825{"Arial", 8.25, kRegular};

constexpr ColourValue VioletBlue = 0x00FF8080;
constexpr ColourValue White = kWhite;

// clang-format off
const WindowProperties kProperties{
//   name        caption frame      opens   client area  position  background text colour icon    picture
    "afSplash", "",     TitleLess, Normal, 9270, 4155,  Centred,  System,    System,     NoIcon, NoPicture};

const ControlTable kControls{
//   name                 kind   in        left  top   width height tab   caption                       font            background  text colour  other
    {"Frame1",            Frame, Window,   0,    0,    9225, 4755,  None, "Tovrel By Velmira Tunhold",  NoFont,         VioletBlue, System},
    {"Label2",            Label, "Frame1", 3120, 2040, 1215, 975,   None, "",                           SansSerif24Bold, VioletBlue, White},
    {"imgLogo",           Image, "Frame1", 120,  240,  2415, 3945,  None, ":/images/logo_large.png",    NoFont,         System,     System},
    {"lblCompanyProduct", Label, "Frame1", 2640, 120,  4515, 435,   None, "<-- Corvanel -->",           Arial18Bold,    VioletBlue, System,      kAutoSize},
    {"lblProductName",    Label, "Frame1", 2640, 720,  6495, 765,   None, "TOVREL 2",                   Arial3225Bold,  VioletBlue, System,      kAutoSize},
    {"lblPlatform",       Label, "Frame1", 5520, 2040, 2940, 360,   None, "Platform : Windows",         Arial1575Bold,  VioletBlue, System,      kAutoSize | kAlignRight},
    {"lblVersion",        Label, "Frame1", 5520, 2520, 1230, 285,   None, "Version : 2",                Arial12Bold,    VioletBlue, System,      kAutoSize | kAlignRight},
    {"lblCompany",        Label, "Frame1", 5520, 3480, 3735, 495,   None, "Company : Corvanel",         Arial1125Bold,  VioletBlue, System},
    {"lblWarning",        Label, "Frame1", 240,  3600, 6855, 195,   None, "Warning",                    Arial825,       VioletBlue, System},
};
// clang-format on

} // namespace

const WindowDefinition& splashWindowDefinition() {
    static const WindowDefinition definition{kProperties, kControls};
    return definition;
}
