#pragma once

#include "ui/framework/colour_value.h"
#include "ui/framework/window_definition.h"

// The About window `frmAbout` as drawn: the window, its controls and its two lines.
const WindowDefinition& aboutWindowDefinition();

// The caption that the load event gives the window in place of the definition's.
inline constexpr char kAboutLoadedCaption[] =
    "Velmira Tunhold -- PARISHRAMENA HI SIDYANTI KARYANI NA MANORATHE";

// The link label's own pointer, a pointing hand with its hot spot at the fingertip.
inline constexpr char kLinkCursor[] = ":/images/pointing_hand.png";
inline constexpr int kLinkCursorHotX = 12;
inline constexpr int kLinkCursorHotY = 1;

// The link's text colour while the pointer moves over it, and after it has
// moved on to the bare surface.
inline constexpr ColourValue kLinkHoverColour = 0x000000FF;
inline constexpr ColourValue kLinkRestColour = 0x00FF0000;

inline constexpr char kSystemInformationUnavailable[] = "System Information Is Unavailable At This Time";
