#pragma once
// The raw's output tone curve with a soft highlight shoulder instead of a hard clip. LibRaw's
// automatic brightening puts white at the level that only the brightest 1 % of pixels pass,
// and clips those: out-of-focus lights and skies turn flat white. Here the exposure stays
// the same up to a knee, and everything from the knee to the brightest level in the picture
// is compressed smoothly (the curve and its slope stay continuous) into what is left below
// white, so only pixels that were already at the brightest level end up white.
#include <cstdint>
#include <span>

namespace quorvel::converter {

struct HighlightShoulder {
    double knee = 0;      // linear level, 1 = auto-bright white, where the shoulder starts
    double brightest = 1; // the brightest level in the picture, on the same scale
    double bend = 0;      // the shoulder's exponential rate; 0 = a straight line

    HighlightShoulder(double knee, double brightest);
    // Linear level on the auto-bright scale to linear display level, 0..1.
    double operator()(double level) const;
};

// Fills the 65536-entry curve from linear sensor levels to sRGB-encoded 16-bit output.
// `white` is the sensor level auto-brightening makes white; `brightest` the highest level
// present.
void fillShoulderCurve(std::span<std::uint16_t> curve, double white, double brightest);

}  // namespace quorvel::converter
