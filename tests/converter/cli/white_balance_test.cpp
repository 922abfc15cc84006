#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include <array>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Mean red, green and blue, 0..255.
std::array<double, 3> channelMeans(const fs::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* image = ReadImage(info, exception);
    std::array<double, 3> means{};
    if (image) {
        const std::array<ChannelType, 3> channels = {RedChannel, GreenChannel, BlueChannel};
        for (std::size_t c = 0; c < 3; ++c) {
            double mean = 0, deviation = 0;
            GetImageChannelMean(image, channels[c], &mean, &deviation, exception);
            means[c] = mean * 255 / QuantumRange;
        }
        DestroyImage(image);
    }
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return means;
}

class WhiteBalance : public ConversionTest, public testing::WithParamInterface<const char*> {};

// These raws were mosaicked from the libheif example photo and carry no white balance of
// their own: daylight gives the photo's colours back, where LibRaw's automatic balance cast
// them 7 to 12 levels towards red.
TEST_P(WhiteBalance, ARawWithoutWhiteBalanceGetsDaylight) {
    REQUIRE_SAMPLE(GetParam());
    REQUIRE_SAMPLE("libheif_example_1280x854.heic");
    ASSERT_TRUE(convert(sample(GetParam()), "raw.PNG", 360).succeeded());
    ASSERT_TRUE(convert(sample("libheif_example_1280x854.heic"), "photo.PNG", 360).succeeded());
    const auto raw = channelMeans(folder / "raw.PNG");
    const auto photo = channelMeans(folder / "photo.PNG");
    for (std::size_t c = 0; c < 3; ++c) EXPECT_NEAR(raw[c], photo[c], 4.0) << "channel " << c;
}

INSTANTIATE_TEST_SUITE_P(Synthetic, WhiteBalance,
                         testing::Values("synthetic_nikon_d200.NEF",
                                         "synthetic_nikon_coolpix_p6000.NRW",
                                         "synthetic_olympus_e-1.ORF",
                                         "synthetic_canon_eos_350d.CR2"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             const std::string name = info.param;
                             return name.substr(name.rfind('.') + 1);
                         });

}  // namespace
}  // namespace quorvel::converter
