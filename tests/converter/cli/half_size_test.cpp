#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// In dB; ImageMagick's PSNR of two pictures of the same size.
double peakSignalToNoise(const fs::path& a, const fs::path& b) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, a.c_str(), MaxTextExtent);
    Image* first = ReadImage(info, exception);
    CopyMagickString(info->filename, b.c_str(), MaxTextExtent);
    Image* second = ReadImage(info, exception);
    double distortion = 0;
    if (first && second)
        GetImageDistortion(first, second, PeakSignalToNoiseRatioMetric, &distortion, exception);
    if (first) DestroyImage(first);
    if (second) DestroyImage(second);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return distortion;
}

// "-resize 462" of a 1734-pixel-wide raw, the largest share decoded at half size, decodes it
// so. An added crop of the whole picture changes nothing but depends on the input's size, so
// that run decodes at full size. The two results must be at least 40 dB apart (at exactly
// half the width they were 32 to 34 dB apart, with visible noise and colour fringes).
TEST_F(ConversionTest, HalfSizeDecodingCannotBeToldApartAfterTheDownscale) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const std::string input = sample("canon_eos_kiss_x4_colorchart.dng").string();
    ASSERT_TRUE(
        runConverter({"-quality", "95%", input, "-resize", "462", (folder / "half.PNG").string()})
            .succeeded());
    ASSERT_TRUE(runConverter({"-quality", "95%", input, "-crop", "100%x100%+0+0", "+repage",
                              "-resize", "462", (folder / "full.PNG").string()})
                    .succeeded());
    const auto half = inspectPicture(folder / "half.PNG");
    const auto full = inspectPicture(folder / "full.PNG");
    ASSERT_TRUE(half && full);
    EXPECT_EQ(half->width, full->width);
    EXPECT_EQ(half->height, full->height);
    EXPECT_GE(peakSignalToNoise(folder / "half.PNG", folder / "full.PNG"), 40.0);
}

}  // namespace
}  // namespace quorvel::converter
