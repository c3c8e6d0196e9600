#pragma once

class QFont;

// A font as the window definitions give it: face, size in points, weight.
constexpr int kRegular = 400;
constexpr int kSemibold = 600;
constexpr int kBold = 700;

struct FontSpec {
    const char* face;
    double points;
    int weight;
};

// The system dialog font that controls without a font of their own use.
constexpr FontSpec kDefaultFont{"MS Sans Serif", 8.25, kRegular};

QFont makeFont(const FontSpec& definition);
