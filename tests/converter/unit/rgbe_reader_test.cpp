#include "hdr/rgbe_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quorvel::converter {
namespace {

std::vector<std::uint8_t> file(const std::string& resolution, const std::string& pixels,
                               const std::string& format = "32-bit_rle_rgbe") {
    const std::string text =
        "#?RADIANCE\nFORMAT=" + format + "\nEXPOSURE=1\n\n" + resolution + "\n" + pixels;
    return {text.begin(), text.end()};
}

std::string bytes(std::initializer_list<int> values) {
    std::string text;
    for (int value : values) text += static_cast<char>(value);
    return text;
}

// Mantissa 128 with exponent 129 is 128.5 / 128: RGBE keeps the middle of each step.
constexpr float kOne = 128.5f / 128;

TEST(RgbeReader, ReadsFlatPixelsAboveOneAndBlack) {
    FloatPicture picture;
    std::string problem;
    ASSERT_TRUE(readRgbe(file("-Y 1 +X 2", bytes({128, 64, 32, 129, 200, 0, 0, 140})), picture,
                         problem))
        << problem;
    ASSERT_EQ(picture.width, 2u);
    ASSERT_EQ(picture.height, 1u);
    EXPECT_FLOAT_EQ(picture.rgb[0], kOne);
    EXPECT_FLOAT_EQ(picture.rgb[1], 64.5f / 128);
    EXPECT_FLOAT_EQ(picture.rgb[3], 200.5f * 16);  // exponent 140: far above display white
    EXPECT_FLOAT_EQ(picture.rgb[4], 0.5f * 16);
}

TEST(RgbeReader, ReadsRunLengthScanlines) {
    // Width 8: the marker, then each component as one run of 8.
    const std::string row = bytes({2, 2, 0, 8, 136, 128, 136, 64, 136, 32, 136, 129});
    FloatPicture picture;
    std::string problem;
    ASSERT_TRUE(readRgbe(file("-Y 1 +X 8", row), picture, problem)) << problem;
    for (std::size_t x = 0; x < 8; ++x) EXPECT_FLOAT_EQ(picture.rgb[x * 3], kOne);
    EXPECT_FLOAT_EQ(picture.rgb[7 * 3 + 2], 32.5f / 128);
}

TEST(RgbeReader, ReadsTheOldRepeatForm) {
    FloatPicture picture;
    std::string problem;
    ASSERT_TRUE(readRgbe(file("-Y 1 +X 3", bytes({128, 64, 32, 129, 1, 1, 1, 2})), picture,
                         problem))
        << problem;
    EXPECT_FLOAT_EQ(picture.rgb[6], kOne);
    EXPECT_FLOAT_EQ(picture.rgb[8], 32.5f / 128);
}

TEST(RgbeReader, PutsABottomUpFileTheRightWayUp) {
    FloatPicture picture;
    std::string problem;
    ASSERT_TRUE(readRgbe(file("+Y 2 +X 1", bytes({128, 0, 0, 129, 0, 128, 0, 129})), picture,
                         problem))
        << problem;
    EXPECT_FLOAT_EQ(picture.rgb[1], kOne);  // the file's second scanline is the top row
    EXPECT_FLOAT_EQ(picture.rgb[3], kOne);
}

TEST(RgbeReader, TurnsXyzIntoRgb) {
    // D65 white in XYZ is white in sRGB.
    FloatPicture picture;
    std::string problem;
    const auto white = file("-Y 1 +X 1", bytes({121, 127, 138, 129}), "32-bit_rle_xyze");
    ASSERT_TRUE(readRgbe(white, picture, problem)) << problem;
    EXPECT_NEAR(picture.rgb[0], picture.rgb[1], 0.02);  // 8-bit mantissas
    EXPECT_NEAR(picture.rgb[2], picture.rgb[1], 0.02);
}

struct BrokenCase {
    const char* name;
    std::vector<std::uint8_t> bytes;
};

void PrintTo(const BrokenCase& c, std::ostream* os) { *os << c.name; }

class BrokenRgbe : public testing::TestWithParam<BrokenCase> {};

TEST_P(BrokenRgbe, FailsWithAReason) {
    FloatPicture picture;
    std::string problem;
    EXPECT_FALSE(readRgbe(GetParam().bytes, picture, problem));
    EXPECT_FALSE(problem.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenRgbe,
    testing::Values(
        BrokenCase{"NotRadiance", {'P', '6', '\n'}},
        BrokenCase{"Truncated", file("-Y 2 +X 2", bytes({128, 64, 32, 129}))},
        BrokenCase{"RunPastTheRow", file("-Y 1 +X 8", bytes({2, 2, 0, 8, 137, 1}))},
        BrokenCase{"RepeatWithNothingBefore", file("-Y 1 +X 2", bytes({1, 1, 1, 2}))},
        BrokenCase{"SidewaysLayout", file("+X 2 -Y 1", bytes({128, 64, 32, 129}))},
        BrokenCase{"OtherPixelFormat", file("-Y 1 +X 1", bytes({1, 2, 3, 4}), "bitmap")}),
    [](const testing::TestParamInfo<BrokenCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel::converter
