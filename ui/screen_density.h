#pragma once
// Twips (1/1440 inch) against the display's pixels. The window was drawn at 15 twips per
// pixel (96 DPI).
#include <cmath>

namespace quorvel {

inline constexpr double kDesignTwipsPerPixel = 15;

// Screen.TwipsPerPixelX and Y: 1440 / the logical DPI (15 at 96 DPI, 12 at 120, 10 at 144).
struct ScreenDensity {
    double twipsPerPixelX = kDesignTwipsPerPixel;
    double twipsPerPixelY = kDesignTwipsPerPixel;
};

inline ScreenDensity densityForDpi(double logicalDpiX, double logicalDpiY) {
    return {1440.0 / logicalDpiX, 1440.0 / logicalDpiY};
}

inline int pixelsOf(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

}  // namespace quorvel
