#pragma once

#include <QColor>
#include <cstdint>

// Colours are written as 32-bit values 0x00BBGGRR, red in the low byte.
using ColourValue = std::uint32_t;

// The eight plain colours of the colour menu, which the window definitions use too.
constexpr ColourValue kBlack = 0x00000000;
constexpr ColourValue kBlue = 0x00FF0000;
constexpr ColourValue kCyan = 0x00FFFF00;
constexpr ColourValue kGreen = 0x0000FF00;
constexpr ColourValue kMagenta = 0x00FF00FF;
constexpr ColourValue kRed = 0x000000FF;
constexpr ColourValue kWhite = 0x00FFFFFF;
constexpr ColourValue kYellow = 0x0000FFFF;

// Stands for the window system's own colour for that kind of control.
constexpr ColourValue kSystemColour = 0xFF000000u;

inline QColor colourFromValue(ColourValue value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline ColourValue valueFromColour(const QColor& colour) {
    return ColourValue(colour.red()) | ColourValue(colour.green()) << 8 | ColourValue(colour.blue()) << 16;
}
