#pragma once

#include <QRect>

// Window definitions keep positions and sizes in twips, as they were drawn;
// they become pixels here and nowhere else, at 15 twips a pixel (96 dots per inch).
constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                      : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}
