#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "exiftool.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// exiftool writes the GPS position and lens the samples lack into a copy of a raw.
bool addGpsAndLens(const fs::path& file) {
    return runExifTool({"-q", "-overwrite_original", "-GPSLatitude=48.5", "-GPSLatitudeRef=N",
                        "-GPSLongitude=9.05", "-GPSLongitudeRef=E", "-LensModel=Test Lens 35mm",
                        file.string()});
}

class KeepsExif : public ConversionTest, public testing::WithParamInterface<const char*> {};

TEST_P(KeepsExif, CameraDateExposureLensAndGpsSurviveWithUprightOrientation) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    const auto raw = copyOf("synthetic_nikon_d200.NEF", "gps.NEF");
    if (!addGpsAndLens(raw)) GTEST_SKIP() << "exiftool is not available";
    const std::string name = std::string("out.") + GetParam();
    const ConverterRun run = convert(raw, name, 300);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    const auto tags = exifToolTags(folder / name,
                                   {"Make", "Model", "DateTimeOriginal", "ExposureTime", "FNumber",
                                    "LensModel", "GPSLatitude", "GPSLongitude", "Orientation"});
    ASSERT_TRUE(tags);
    const std::map<std::string, std::string> expected = {
        {"Make", "NIKON CORPORATION"},
        {"Model", "NIKON D200"},
        {"DateTimeOriginal", "2024:05:01 12:00:00"},
        {"ExposureTime", "0.004"},
        {"FNumber", "5.6"},
        {"LensModel", "Test Lens 35mm"},
        {"GPSLatitude", "48.5"},
        {"GPSLongitude", "9.05"},
        {"Orientation", "1"}};
    EXPECT_EQ(*tags, expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, KeepsExif, testing::Values("JPG", "TIF", "PNG"));

}  // namespace
}  // namespace quorvel::converter
