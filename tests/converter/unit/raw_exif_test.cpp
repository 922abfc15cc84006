#include "raw/raw_exif.h"

#include <gtest/gtest.h>

#include <memory>

#include "samples.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace tag = exif_tag;

ExifData exifOf(const char* name) {
    auto raw = std::make_unique<LibRaw>();
    RawExifCollector collector;
    raw->set_exifparser_handler(&RawExifCollector::callback, &collector);
    EXPECT_EQ(raw->open_file(sample(name).c_str()), LIBRAW_SUCCESS);
    return collector.result(raw->imgdata);
}

std::string text(const ExifData& exif, ExifDirectory which, std::uint16_t number) {
    const ExifEntry* entry = exif.find(which, number);
    return entry ? asciiText(*entry).value_or("(not text)") : "(absent)";
}

// The file's own strings, not LibRaw's normalised names ("Nikon", "D200").
TEST(RawExif, KeepsTheCamerasOwnTags) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    const ExifData exif = exifOf("synthetic_nikon_d200.NEF");
    EXPECT_EQ(text(exif, ExifDirectory::Primary, tag::kMake), "NIKON CORPORATION");
    EXPECT_EQ(text(exif, ExifDirectory::Primary, tag::kModel), "NIKON D200");
    EXPECT_EQ(text(exif, ExifDirectory::Exif, tag::kDateTimeOriginal), "2024:05:01 12:00:00");
    const ExifEntry* exposure = exif.find(ExifDirectory::Exif, tag::kExposureTime);
    ASSERT_NE(exposure, nullptr);
    EXPECT_EQ(exposure->value, (std::vector<std::uint8_t>{1, 0, 0, 0, 250, 0, 0, 0}));
}

TEST(RawExif, OrientationIsAlwaysUpright) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const ExifData exif = exifOf("canon_eos_kiss_x4_colorchart.dng");
    const ExifEntry* orientation = exif.find(ExifDirectory::Primary, tag::kOrientation);
    ASSERT_NE(orientation, nullptr);
    EXPECT_EQ(firstUnsigned(*orientation), 1u);
}

// The RAF container is not TIFF: what LibRaw parsed still reaches the picture.
TEST(RawExif, FormatsWithoutTiffTagsGetLibRawsFields) {
    REQUIRE_SAMPLE("synthetic_fujifilm_x100.RAF");
    const ExifData exif = exifOf("synthetic_fujifilm_x100.RAF");
    EXPECT_NE(text(exif, ExifDirectory::Primary, tag::kMake), "(absent)");
    EXPECT_NE(text(exif, ExifDirectory::Primary, tag::kModel), "(absent)");
}

}  // namespace
}  // namespace quorvel::converter
