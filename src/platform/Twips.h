#pragma once
// Sizes of the windows are given in twips: 15 twips are one device-independent
// pixel (1/1440 inch at 96 dots per inch).
#include <QRect>
#include <cmath>

namespace quorvane {

constexpr int kTwipsPerPixel = 15;

inline int twipsToPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}
inline int pixelsToTwips(int pixels) { return pixels * kTwipsPerPixel; }
inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
}

}  // namespace quorvane
