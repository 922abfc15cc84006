#pragma once
// The start-up pass that keeps every control at its 96-DPI pixel size on any display, and the
// window size that follows from it. Pure functions of the density, so they are tested at any.
#include <optional>

#include "screen_density.h"

namespace quorvel {

// A control's scaled properties in twips. The timer has Left and Top only; a control without
// a property skips its step.
struct TwipsGeometry {
    double Left = 0;
    double Top = 0;
    std::optional<double> Width;
    std::optional<double> Height;
    std::optional<double> FontSize;  // points
};

// Left, Top, Width, Height, FontSize in that order, each multiplied by the density's twips per
// pixel (the font by the horizontal one) and divided by 15 last.
TwipsGeometry scaledForDensity(const TwipsGeometry& geometry, const ScreenDensity& density);

struct TwipsSize {
    double width = 0;
    double height = 0;
};

// The margin under the top of Label3 that the window's outer height reaches, at 96 DPI.
inline constexpr double kBottomMarginTwips = 820;

// Start-up step 8: the outer width is picBack2's width and the outer height the top of Label3
// plus the margin, both as the pass left them; the margin carries the density factor too.
TwipsSize windowOuterSize(double picBack2Width, double label3Top, const ScreenDensity& density);

// The client area inside that outer size. The frame is the window manager's, outside the
// client area a shell sizes; we take the frame the design allowed (the outer size less the design
// client area of 7125 x 3660 twips), so the client is the design's 475 x 244 pixels, covered
// whole by the 476 x 245 pixel picture.
TwipsSize windowClientSize(const TwipsSize& outer, const ScreenDensity& density);

}  // namespace quorvel
