#include "raw/raw_exif.h"

#include <gtest/gtest.h>

#include <memory>

#include "metadata/photo_metadata.h"
#include "samples.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

Exiv2::ExifData exifOf(const char* name) {
    auto raw = std::make_unique<LibRaw>();
    EXPECT_EQ(raw->open_file(sample(name).c_str()), LIBRAW_SUCCESS);
    Exiv2::ExifData exif = metadataOfFile(sample(name)).exif;
    fillFromLibRaw(exif, raw->imgdata);
    return exif;
}

std::string text(const Exiv2::ExifData& exif, const char* key) {
    const auto found = exif.findKey(Exiv2::ExifKey(key));
    return found == exif.end() ? "(absent)" : found->toString();
}

// The file's own strings win over LibRaw's normalised names ("Nikon", "D200").
TEST(RawExif, KeepsTheCamerasOwnTags) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    const Exiv2::ExifData exif = exifOf("synthetic_nikon_d200.NEF");
    EXPECT_EQ(text(exif, "Exif.Image.Make"), "NIKON CORPORATION");
    EXPECT_EQ(text(exif, "Exif.Image.Model"), "NIKON D200");
    EXPECT_EQ(text(exif, "Exif.Photo.DateTimeOriginal"), "2024:05:01 12:00:00");
    EXPECT_EQ(text(exif, "Exif.Photo.ExposureTime"), "1/250");
}

// What exiv2 finds nothing for (a RAF's tags sit in its own container) comes from LibRaw.
TEST(RawExif, LibRawFillsWhatTheFileDoesNotSay) {
    REQUIRE_SAMPLE("synthetic_fujifilm_x100.RAF");
    const Exiv2::ExifData exif = exifOf("synthetic_fujifilm_x100.RAF");
    EXPECT_NE(text(exif, "Exif.Image.Make"), "(absent)");
    EXPECT_NE(text(exif, "Exif.Image.Model"), "(absent)");
    Exiv2::ExifData empty;
    auto raw = std::make_unique<LibRaw>();
    ASSERT_EQ(raw->open_file(sample("synthetic_nikon_d200.NEF").c_str()), LIBRAW_SUCCESS);
    fillFromLibRaw(empty, raw->imgdata);
    EXPECT_EQ(text(empty, "Exif.Image.Make"), "Nikon");
    EXPECT_EQ(text(empty, "Exif.Photo.ExposureTime"), "1/250");
    EXPECT_EQ(text(empty, "Exif.Photo.ExifVersion"), "48 50 51 48");
}

}  // namespace
}  // namespace quorvel::converter
