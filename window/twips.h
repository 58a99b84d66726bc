#pragma once

#include <QRect>
#include <QSize>

namespace tallomat {

// A twip is 1/1440 inch and Qt's logical pixel 1/96 inch (Qt scales logical pixels to the screen's
// density), so 15 twips make one logical pixel on every screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

inline QRect twipsToRect(int left, int top, int width, int height) {
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

inline QSize twipsToSize(int width, int height) {
    return {twipsToPixels(width), twipsToPixels(height)};
}

}  // namespace tallomat
