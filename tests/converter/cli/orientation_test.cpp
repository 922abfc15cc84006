#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "conversion_fixture.h"
#include "exiftool.h"
#include "tiff/tiff_ifd.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Its container turns the picture upright (3024x4032) while its EXIF still says Orientation 6:
// applying both would turn it a second time. The rest of its EXIF comes along.
TEST_F(ConversionTest, AHeicIsRotatedOnceAndItsOrientationTagReset) {
    REQUIRE_SAMPLE("apple_iphone13_rotated.heic");
    const ConverterRun run = convert(sample("apple_iphone13_rotated.heic"), "portrait.JPG", 300);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    const auto facts = inspectPicture(folder / "portrait.JPG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 300u);
    EXPECT_EQ(facts->height, 400u);
    EXPECT_EQ(facts->exifOrientation, "1");
    const auto tags = exifToolTags(folder / "portrait.JPG", {"Make", "Model", "DateTimeOriginal"});
    if (!tags) GTEST_SKIP() << "exiftool is not available";
    const std::map<std::string, std::string> expected = {
        {"Make", "Apple"},
        {"Model", "iPhone 13 Pro Max"},
        {"DateTimeOriginal", "2022:02:16 12:55:41"}};
    EXPECT_EQ(*tags, expected);
}

// The same DNG with its Orientation tag set to 6 ("rotate 90 clockwise").
void setDngOrientation(const fs::path& file, std::uint16_t orientation) {
    std::string bytes = readFile(file);
    std::span<const std::uint8_t> view(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                       bytes.size());
    const auto order = tiff::headerOrder(view);
    ASSERT_TRUE(order);
    const auto ifd0 = tiff::readIfd(view, *tiff::read32(view, 4, *order), *order);
    ASSERT_TRUE(ifd0);
    const tiff::IfdEntry* entry = tiff::findEntry(*ifd0, 0x0112 /* Orientation */);
    ASSERT_NE(entry, nullptr);
    std::vector<std::uint8_t> value;
    tiff::append16(value, orientation, *order);
    bytes[entry->valueOffset] = static_cast<char>(value[0]);
    bytes[entry->valueOffset + 1] = static_cast<char>(value[1]);
    writeFile(file, bytes);
}

Image* readPicture(const fs::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* image = ReadImage(info, exception);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return image;
}

// Mean absolute difference, 0..1 (ImageMagick normalises it).
double difference(Image* a, Image* b) {
    double distortion = 1;
    ExceptionInfo* exception = AcquireExceptionInfo();
    GetImageDistortion(a, b, MeanAbsoluteErrorMetric, &distortion, exception);
    DestroyExceptionInfo(exception);
    return distortion;
}

TEST_F(ConversionTest, ARawIsTurnedTheWayItsCameraWasHeld) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const auto rotated = copyOf("canon_eos_kiss_x4_colorchart.dng", "rotated.dng");
    setDngOrientation(rotated, 6);
    ASSERT_TRUE(convert(sample("canon_eos_kiss_x4_colorchart.dng"), "level.PNG", 300).succeeded());
    ASSERT_TRUE(convert(rotated, "turned.PNG", 200).succeeded());
    const auto facts = inspectPicture(folder / "turned.PNG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 200u);
    EXPECT_EQ(facts->height, 300u);

    Image* level = readPicture(folder / "level.PNG");
    Image* turned = readPicture(folder / "turned.PNG");
    ASSERT_TRUE(level && turned);
    ExceptionInfo* exception = AcquireExceptionInfo();
    Image* clockwise = RotateImage(level, 90, exception);
    Image* counter = RotateImage(level, -90, exception);
    EXPECT_LT(difference(clockwise, turned), 0.02);
    EXPECT_GT(difference(counter, turned), 0.1);  // the other way round does not match
    for (Image* image : {level, turned, clockwise, counter}) DestroyImage(image);
    DestroyExceptionInfo(exception);
}

// A JPEG stored sideways with EXIF Orientation 6 comes out upright in every format, also in
// GIF and BMP, which carry no orientation tag; the resize applies to the upright width, and
// where the tag is kept it says the pixels are upright now.
TEST_F(ConversionTest, AJpegTaggedSidewaysComesOutUprightInEveryFormat) {
    REQUIRE_SAMPLE("landscape_orientation6.jpg");
    for (const char* extension : {"JPG", "PNG", "GIF", "TIF", "BMP"}) {
        SCOPED_TRACE(extension);
        const std::string name = std::string("out.") + extension;
        ASSERT_TRUE(convert(sample("landscape_orientation6.jpg"), name, 300).succeeded());
        const auto facts = inspectPicture(folder / name);
        ASSERT_TRUE(facts);
        EXPECT_EQ(facts->width, 300u);
        EXPECT_EQ(facts->height, 225u);  // stored 3:4, upright 4:3
        EXPECT_TRUE(facts->exifOrientation == "1" || facts->exifOrientation.empty())
            << facts->exifOrientation;
    }
}

}  // namespace
}  // namespace quorvel::converter
