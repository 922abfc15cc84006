#include "dpi_pass.h"

namespace quorvel {
namespace {

// Multiply first, divide by the integer 15 last, as the pass has always done.
double scaled(double twips, double twipsPerPixel) {
    return twips * twipsPerPixel / kDesignTwipsPerPixel;
}

std::optional<double> scaled(std::optional<double> twips, double twipsPerPixel) {
    if (!twips) return std::nullopt;
    return scaled(*twips, twipsPerPixel);
}

// The frame at 96 DPI: the outer size of step 8 (7140 x 4090) less the design client area.
constexpr TwipsSize kDesignFrame{7140 - 7125, 4090 - 3660};

}  // namespace

TwipsGeometry scaledForDensity(const TwipsGeometry& geometry, const ScreenDensity& density) {
    TwipsGeometry result;
    result.Left = scaled(geometry.Left, density.twipsPerPixelX);
    result.Top = scaled(geometry.Top, density.twipsPerPixelY);
    result.Width = scaled(geometry.Width, density.twipsPerPixelX);
    result.Height = scaled(geometry.Height, density.twipsPerPixelY);
    result.FontSize = scaled(geometry.FontSize, density.twipsPerPixelX);
    return result;
}

TwipsSize windowOuterSize(double picBack2Width, double label3Top, const ScreenDensity& density) {
    return {picBack2Width, label3Top + scaled(kBottomMarginTwips, density.twipsPerPixelY)};
}

TwipsSize windowClientSize(const TwipsSize& outer, const ScreenDensity& density) {
    return {outer.width - scaled(kDesignFrame.width, density.twipsPerPixelX),
            outer.height - scaled(kDesignFrame.height, density.twipsPerPixelY)};
}

}  // namespace quorvel
