#pragma once

#include <QColor>
#include <cstdint>

// Colours are written as 32-bit values 0x00BBGGRR, red in the low byte.
using ColourValue = std::uint32_t;

// Stands for the window system's own colour for that kind of control.
constexpr ColourValue kSystemColour = 0xFF000000u;

inline QColor colourFromValue(ColourValue value) {
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

inline ColourValue valueFromColour(const QColor& colour) {
    return ColourValue(colour.red()) | ColourValue(colour.green()) << 8 | ColourValue(colour.blue()) << 16;
}
