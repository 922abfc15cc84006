#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "hdr/tone_map.h"
#include "raw/highlight_shoulder.h"

namespace quorvel::converter {
namespace {

TEST(HighlightShoulder, KeepsExposureBelowTheKneeAndReachesWhiteOnlyAtTheBrightest) {
    const HighlightShoulder shoulder(0.6, 3.0);
    EXPECT_DOUBLE_EQ(shoulder(0.3), 0.3);
    EXPECT_DOUBLE_EQ(shoulder(0.6), 0.6);
    EXPECT_LT(shoulder(2.9), 1.0);
    EXPECT_DOUBLE_EQ(shoulder(3.0), 1.0);
    // Smooth at the knee: the slope just above it is still 1.
    EXPECT_NEAR((shoulder(0.6001) - shoulder(0.6)) / 0.0001, 1.0, 0.01);
    double previous = 0;
    for (double level = 0.61; level < 3.0; level += 0.01) {
        EXPECT_GT(shoulder(level), previous);
        previous = shoulder(level);
    }
}

TEST(HighlightShoulder, ChangesNothingWhenNothingPassesWhite) {
    const HighlightShoulder shoulder(0.6, 1.0);
    EXPECT_NEAR(shoulder(0.8), 0.8, 1e-9);
    EXPECT_DOUBLE_EQ(shoulder(1.0), 1.0);
}

FloatPicture gradient() {
    // Luminance from 0.001 to 1000, a warm colour, as a sunset sky runs into its sun.
    FloatPicture picture{64, 1, {}};
    for (int x = 0; x < 64; ++x) {
        const float level = std::pow(10.0f, -3.0f + 6.0f * static_cast<float>(x) / 63);
        picture.rgb.insert(picture.rgb.end(), {level * 1.6f, level * 0.8f, level * 0.3f});
    }
    return picture;
}

TEST(ToneMap, MapsAnyRangeIntoDisplayValuesInOrderAndKeepsTheHue) {
    FloatPicture picture = gradient();
    toneMapToSrgb(picture, chooseToneMapping(picture));
    float previousGreen = -1;
    for (std::size_t x = 0; x < picture.width; ++x) {
        const float* rgb = &picture.rgb[x * 3];
        for (int c = 0; c < 3; ++c) {
            EXPECT_GE(rgb[c], 0.0f);
            EXPECT_LT(rgb[c], 1.0f) << "pixel " << x;  // nothing cut off at white
        }
        EXPECT_GE(rgb[1], previousGreen);
        previousGreen = rgb[1];
        if (rgb[0] > 0.01f) {
            EXPECT_GE(rgb[0], rgb[1]);  // still warm: red over green over blue
            EXPECT_GE(rgb[1], rgb[2]);
        }
    }
}

TEST(ToneMap, TheKeyDoesNotDependOnTheFilesExposure) {
    FloatPicture dim = gradient(), bright = gradient();
    for (float& value : bright.rgb) value *= 50;
    toneMapToSrgb(dim, chooseToneMapping(dim));
    toneMapToSrgb(bright, chooseToneMapping(bright));
    for (std::size_t i = 0; i < dim.rgb.size(); ++i) EXPECT_NEAR(dim.rgb[i], bright.rgb[i], 1e-3);
}

}  // namespace
}  // namespace quorvel::converter
