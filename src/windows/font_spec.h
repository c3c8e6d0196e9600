#pragma once

class QFont;

// A font as the window definitions give it: face, size in points, weight
// (400 regular, 600 semibold, 700 bold).
struct FontSpec {
    const char* face;
    double points;
    int weight;
};

// The system dialog font that controls without a font of their own use.
constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25, 400};

QFont makeFont(const FontSpec& spec);
