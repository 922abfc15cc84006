#include "hdr/tone_map.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quorvel::converter {
namespace {

constexpr float kRed = 0.2126f, kGreen = 0.7152f, kBlue = 0.0722f;
// Luminances below this are treated as black in the statistics (log of zero).
constexpr double kDarkest = 1e-6;
// Statistics from at most about this many pixels: enough for percentiles, cheap on big files.
constexpr std::size_t kSamples = 1u << 20;
constexpr double kWhiteMargin = 1.5;

float luminance(const float* rgb) { return kRed * rgb[0] + kGreen * rgb[1] + kBlue * rgb[2]; }

std::vector<double> logLuminances(const FloatPicture& picture) {
    const std::size_t pixels = picture.width * picture.height;
    const std::size_t step = std::max<std::size_t>(1, pixels / kSamples);
    std::vector<double> logs;
    logs.reserve(pixels / step + 1);
    for (std::size_t i = 0; i < pixels; i += step)
        logs.push_back(std::log(std::max<double>(kDarkest, luminance(&picture.rgb[i * 3]))));
    return logs;
}

double percentile(std::vector<double>& values, double fraction) {
    const auto at = values.begin() + static_cast<std::ptrdiff_t>(fraction * (values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// Where a channel starts to give way: above it, channels are compressed smoothly towards
// white rather than cut off, so a bright saturated sky keeps its gradation in every channel.
constexpr float kChannelKnee = 0.9f;

float softPeak(float peak) {
    const float room = 1.0f - kChannelKnee;
    return kChannelKnee + room * -std::expm1((kChannelKnee - peak) / room);
}

// Keeps the colour's luminance and hue; only its saturation gives way where a channel would
// pass the knee.
void fitIntoGamut(float* rgb, float target) {
    const float peak = std::max({rgb[0], rgb[1], rgb[2]});
    if (peak <= kChannelKnee) return;
    const float fitted = softPeak(peak);
    if (target >= fitted) {
        rgb[0] = rgb[1] = rgb[2] = std::min(target, 1.0f);
        return;
    }
    const float keep = (fitted - target) / (peak - target);
    for (int c = 0; c < 3; ++c) rgb[c] = target + (rgb[c] - target) * keep;
}

}  // namespace

float srgbEncode(float linear) {
    if (linear <= 0.0031308f) return std::max(0.0f, 12.92f * linear);
    return 1.055f * std::pow(std::min(linear, 1.0f), 1.0f / 2.4f) - 0.055f;
}

ToneMapping chooseToneMapping(const FloatPicture& picture) {
    ToneMapping mapping;
    std::vector<double> logs = logLuminances(picture);
    if (logs.empty()) return {1, 0.18, 1};
    double sum = 0;
    for (double value : logs) sum += value;
    mapping.logAverage = std::exp(sum / static_cast<double>(logs.size()));
    // Reinhard's automatic key: brighter for pictures whose average sits high in their range.
    const double low = percentile(logs, 0.01) / std::log(2.0);
    const double high = percentile(logs, 0.99) / std::log(2.0);
    const double average = std::log2(mapping.logAverage);
    const double spread = high - low;
    mapping.key = spread > 1e-3 ? 0.18 * std::pow(4.0, (2 * average - low - high) / spread) : 0.18;
    mapping.key = std::clamp(mapping.key, 0.09, 0.36);
    // White lies a little above the brightest highlights, so that even they keep a trace of
    // their colour and texture; a few specks (the sun's disc) may pass it.
    const double brightest = std::exp(percentile(logs, 0.999));
    mapping.white = std::max(1.0, kWhiteMargin * mapping.key * brightest / mapping.logAverage);
    return mapping;
}

void toneMapToSrgb(FloatPicture& picture, const ToneMapping& mapping) {
    const float scale = static_cast<float>(mapping.key / mapping.logAverage);
    const float whiteSquared = static_cast<float>(mapping.white * mapping.white);
    const std::size_t pixels = picture.width * picture.height;
    float* const data = picture.rgb.data();
#pragma omp parallel for schedule(static)
    for (std::size_t i = 0; i < pixels; ++i) {
        float* rgb = data + i * 3;
        for (int c = 0; c < 3; ++c) rgb[c] = std::max(0.0f, rgb[c]);
        const float original = luminance(rgb);
        if (original <= 0) {
            rgb[0] = rgb[1] = rgb[2] = 0;
            continue;
        }
        const float scaled = original * scale;
        const float mapped = scaled * (1 + scaled / whiteSquared) / (1 + scaled);
        const float ratio = mapped / original;
        for (int c = 0; c < 3; ++c) rgb[c] *= ratio;
        fitIntoGamut(rgb, mapped);
        for (int c = 0; c < 3; ++c) rgb[c] = srgbEncode(rgb[c]);
    }
}

}  // namespace quorvel::converter
