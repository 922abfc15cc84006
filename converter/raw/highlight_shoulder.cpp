#include "raw/highlight_shoulder.h"

#include <algorithm>
#include <cmath>

#include "hdr/tone_map.h"

namespace quorvel::converter {
namespace {

// Where the shoulder starts, as a share of auto-bright white (linear light: about 0.8
// sRGB-encoded), so mid-tones and skin keep LibRaw's brightness.
constexpr double kKnee = 0.6;

// Slope at the start of g(t) = (1 - e^(-a t)) / (1 - e^(-a)), which runs from 0 to 1.
double startSlope(double a) { return a / -std::expm1(-a); }

// The rate whose curve leaves the knee with slope `slope` (> 1): continuity of the slope.
double rateForSlope(double slope) {
    double low = 1e-9, high = 1.0;
    while (startSlope(high) < slope && high < 1e6) high *= 2;
    for (int i = 0; i < 100; ++i) {
        const double middle = (low + high) / 2;
        (startSlope(middle) < slope ? low : high) = middle;
    }
    return (low + high) / 2;
}

}  // namespace

HighlightShoulder::HighlightShoulder(double kneeLevel, double brightestLevel)
    : knee(kneeLevel), brightest(std::max(brightestLevel, 1.0)) {
    // Slope the straight part would need to reach white exactly at the brightest level.
    const double slope = (brightest - knee) / (1 - knee);
    bend = slope > 1 + 1e-9 ? rateForSlope(slope) : 0;
}

double HighlightShoulder::operator()(double level) const {
    if (level <= knee) return std::max(0.0, level);
    if (level >= brightest) return 1;
    const double t = (level - knee) / (brightest - knee);
    const double g = bend > 0 ? -std::expm1(-bend * t) / -std::expm1(-bend) : t;
    return knee + (1 - knee) * g;
}

void fillShoulderCurve(std::span<std::uint16_t> curve, double white, double brightest) {
    const HighlightShoulder shoulder(kKnee, brightest / white);
    for (std::size_t i = 0; i < curve.size(); ++i) {
        const double display = shoulder(static_cast<double>(i) / white);
        curve[i] = static_cast<std::uint16_t>(
            std::lround(65535.0 * srgbEncode(static_cast<float>(display))));
    }
}

}  // namespace quorvel::converter
