#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include <array>

#include "conversion_fixture.h"
#include "read_picture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct Read : ReadPicture {
    using ReadPicture::ReadPicture;
    // Red, green, blue and alpha, 0..1.
    std::array<double, 4> pixel(ssize_t x, ssize_t y) const {
        PixelPacket p{};
        ExceptionInfo* exception = AcquireExceptionInfo();
        GetOneVirtualPixel(image, x, y, &p, exception);
        DestroyExceptionInfo(exception);
        const double alpha = image->matte ? 1.0 - p.opacity / double(QuantumRange) : 1.0;
        return {p.red / double(QuantumRange), p.green / double(QuantumRange),
                p.blue / double(QuantumRange), alpha};
    }
};

// Raws and deep HEIFs once gave 16-bit PNG and uncompressed 16-bit TIF: 144 MB for 24 MP.
TEST_F(ConversionTest, PngAndTifAreEightBitAndTifIsCompressed) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    for (const char* name : {"out.PNG", "out.TIF"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(convert(sample("canon_eos_kiss_x4_colorchart.dng"), name).succeeded());
        const Read read(folder / name);
        ASSERT_TRUE(read.image);
        EXPECT_EQ(read.image->depth, 8u);
        if (std::string(name) == "out.TIF") {
            EXPECT_EQ(read.image->compression, ZipCompression);
            // 1734x1156 pixels at 3 bytes: compression must save at least a third.
            EXPECT_LT(fs::file_size(folder / name), 1734u * 1156 * 3 * 2 / 3);
        }
    }
}

// The sample's centre is half transparent: formats without alpha show it over white, as a
// viewer shows the PNG on a white page; PNG and TIF keep the transparency.
TEST_F(ConversionTest, TransparencyLandsOnWhiteWhereTheFormatHasNone) {
    REQUIRE_SAMPLE("rgba_10bit_128x128.heif");
    ASSERT_TRUE(convert(sample("rgba_10bit_128x128.heif"), "keep.PNG").succeeded());
    const Read png(folder / "keep.PNG");
    ASSERT_TRUE(png.image);
    const auto centre = png.pixel(64, 64);
    ASSERT_LT(centre[3], 0.9) << "the sample's centre is no longer transparent";
    for (const char* name : {"flat.JPG", "flat.BMP", "keep.TIF"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(convert(sample("rgba_10bit_128x128.heif"), name).succeeded());
        const Read read(folder / name);
        ASSERT_TRUE(read.image);
        const auto pixel = read.pixel(64, 64);
        if (std::string(name) == "keep.TIF") {
            EXPECT_NEAR(pixel[3], centre[3], 0.01);
            continue;
        }
        EXPECT_FALSE(read.image->matte);
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(pixel[c], centre[c] * centre[3] + (1 - centre[3]), 0.03) << c;
    }
}

}  // namespace
}  // namespace quorvel::converter
