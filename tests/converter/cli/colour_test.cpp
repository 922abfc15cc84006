#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include <array>
#include <cstdlib>

#include "conversion_fixture.h"
#include "read_picture.h"
#include "nclx_heif.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct Picture : ReadPicture {
    using ReadPicture::ReadPicture;
    std::string profileDescription() const {
        const char* text = image ? GetImageProperty(image, "icc:description") : nullptr;
        return text ? text : "";
    }
    bool hasProfile() const { return image && GetImageProfile(image, "icc"); }
    // 8-bit red, green, blue in the middle of band `band` (of 4).
    std::array<int, 3> band(int band) const {
        PixelPacket p{};
        ExceptionInfo* exception = AcquireExceptionInfo();
        GetOneVirtualPixel(image, 32, band * 16 + 8, &p, exception);
        DestroyExceptionInfo(exception);
        return {ScaleQuantumToChar(p.red), ScaleQuantumToChar(p.green), ScaleQuantumToChar(p.blue)};
    }
};

// Display P3 declared by numbers (nclx: primaries 12, sRGB transfer 13): JPG carries a profile
// that describes P3 and keeps the values; GIF, which viewers do not colour-manage, carries
// sRGB values: P3's red is more saturated than sRGB's, so in sRGB its green and blue drop.
TEST_F(ConversionTest, AnNclxP3HeifKeepsItsColoursInEveryFormat) {
    const fs::path heif = inputs / "p3.heif";
    const std::string problem = writeNclxHeif(heif, 12, 13);
    if (!problem.empty()) GTEST_SKIP() << "libheif cannot encode here: " << problem;
    ASSERT_TRUE(convert(heif, "p3.JPG").succeeded());
    ASSERT_TRUE(convert(heif, "p3.PNG").succeeded());
    ASSERT_TRUE(convert(heif, "p3.GIF").succeeded());
    const Picture jpeg(folder / "p3.JPG"), png(folder / "p3.PNG"), gif(folder / "p3.GIF");
    ASSERT_TRUE(jpeg.image && png.image && gif.image);
    EXPECT_NE(jpeg.profileDescription().find("P3"), std::string::npos)
        << jpeg.profileDescription();
    EXPECT_NE(png.profileDescription().find("P3"), std::string::npos);
    EXPECT_FALSE(gif.hasProfile());
    const auto p3Red = jpeg.band(0), srgbRed = gif.band(0);
    EXPECT_NEAR(p3Red[0], 230, 12);
    EXPECT_GE(srgbRed[0], p3Red[0]);
    EXPECT_LT(srgbRed[1], p3Red[1] - 10);
    // Grey is grey in either space.
    for (int c = 0; c < 3; ++c) EXPECT_NEAR(gif.band(3)[c], jpeg.band(3)[c], 4);
}

// PQ (BT.2100) light up to 10,000 cd/m2 in BT.2020 primaries: tone-mapped like an HDR file,
// not shown as its code values; the profile says BT.2020 with the sRGB curve it now has.
TEST_F(ConversionTest, APqHeifIsToneMappedToDisplayValues) {
    const fs::path heif = inputs / "pq.heif";
    const std::string problem = writeNclxHeif(heif, 9, 16);
    if (!problem.empty()) GTEST_SKIP() << "libheif cannot encode here: " << problem;
    ASSERT_TRUE(convert(heif, "pq.JPG").succeeded());
    const Picture jpeg(folder / "pq.JPG");
    ASSERT_TRUE(jpeg.image);
    EXPECT_NE(jpeg.profileDescription().find("BT.2020"), std::string::npos);
    const auto red = jpeg.band(0), grey = jpeg.band(3);
    EXPECT_LT(red[0], 255);          // the brightest band is not cut off
    EXPECT_GT(red[0], red[1] + 60);  // and still red
    for (int c = 0; c < 3; ++c) {
        EXPECT_GT(grey[c], 40);  // code 128 is about 90 cd/m2: a mid-tone, not black
        EXPECT_LT(grey[c], red[0]);
        // PQ code values shown as they are would leave this grey at 128.
        EXPECT_GT(std::abs(grey[c] - 128), 20);
    }
}

// An sRGB picture needs no profile; an nclx that says BT.709 adds none.
TEST_F(ConversionTest, AnSrgbNclxHeifGetsNoProfile) {
    const fs::path heif = inputs / "srgb.heif";
    const std::string problem = writeNclxHeif(heif, 1, 13);
    if (!problem.empty()) GTEST_SKIP() << "libheif cannot encode here: " << problem;
    ASSERT_TRUE(convert(heif, "srgb.JPG").succeeded());
    EXPECT_FALSE(Picture(folder / "srgb.JPG").hasProfile());
}

// The iPhone's Display P3 ICC profile goes into JPG and PNG as it is, PNG without the
// cHRM and gAMA chunks ImageMagick would add (sRGB primaries, contradicting the profile).
TEST_F(ConversionTest, AnEmbeddedProfileIsKeptAndNotContradicted) {
    REQUIRE_SAMPLE("apple_iphone7.heic");
    ASSERT_TRUE(convert(sample("apple_iphone7.heic"), "phone.PNG", 200).succeeded());
    ASSERT_TRUE(convert(sample("apple_iphone7.heic"), "phone.BMP", 200).succeeded());
    const Picture png(folder / "phone.PNG");
    ASSERT_TRUE(png.image);
    EXPECT_NE(png.profileDescription().find("P3"), std::string::npos);
    const std::string bytes = readFile(folder / "phone.PNG");
    EXPECT_NE(bytes.find("iCCP"), std::string::npos);
    EXPECT_EQ(bytes.find("cHRM"), std::string::npos);
    EXPECT_EQ(bytes.find("gAMA"), std::string::npos);
    EXPECT_FALSE(Picture(folder / "phone.BMP").hasProfile());
}

}  // namespace
}  // namespace quorvel::converter
