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

// What a photographer added (title, rating, keywords) and what the camera recorded in its own
// maker note reach every format that carries metadata.
struct CarriedCase {
    const char* sample;
    const char* format;
    std::map<std::string, std::string> expected;  // exiftool -n values
};

void PrintTo(const CarriedCase& c, std::ostream* os) { *os << c.sample << " to " << c.format; }

class CarriesMetadata : public ConversionTest, public testing::WithParamInterface<CarriedCase> {};

TEST_P(CarriesMetadata, XmpIptcAndMakerNotesSurvive) {
    const CarriedCase& c = GetParam();
    REQUIRE_SAMPLE(c.sample);
    fs::path input = sample(c.sample);
    if (std::string_view(c.sample).ends_with(".dng")) {
        // The sample DNG has neither: exiftool writes them into a copy, as a photo manager would.
        input = copyOf(c.sample, "tagged.dng");
        if (!runExifTool({"-q", "-overwrite_original", "-XMP-dc:Title=Harbour at dusk",
                          "-XMP-xmp:Rating=4", "-IPTC:Keywords=harbour", "-IPTC:Keywords=dusk",
                          "-IPTC:City=Kiel", input.string()}))
            GTEST_SKIP() << "exiftool is not available";
    }
    const std::string name = std::string("out.") + c.format;
    const ConverterRun run = convert(input, name, 48);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    std::vector<std::string> names;
    for (const auto& [tag, value] : c.expected) names.push_back(tag);
    const auto tags = exifToolTags(folder / name, names);
    if (!tags) GTEST_SKIP() << "exiftool is not available";
    EXPECT_EQ(*tags, c.expected);
    expectFolderHolds({name});
}

const std::map<std::string, std::string> kSonyTags = {
    {"CreatorTool", "Adobe Photoshop Lightroom Classic 7.4 (Macintosh)"},  // XMP
    {"LensModel", "FE 24-70mm F2.8 GM"},                                   // EXIF
    {"SonyModelID", "383"},                                                // Sony maker note
    {"Orientation", "1"}};
const std::map<std::string, std::string> kAppleTags = {
    {"Make", "Apple"}, {"MakerNoteVersion", "10"}, {"RunTimeScale", "1000000000"}};
const std::map<std::string, std::string> kTaggedDng = {{"Title", "Harbour at dusk"},
                                                       {"Rating", "4"},
                                                       {"Keywords", "harbour, dusk"},
                                                       {"City", "Kiel"}};
// PNG has no IPTC: its fields arrive in the XMP, keywords as dc:subject.
const std::map<std::string, std::string> kTaggedDngInPng = {
    {"Title", "Harbour at dusk"}, {"Rating", "4"}, {"Subject", "harbour, dusk"}, {"City", "Kiel"}};

INSTANTIATE_TEST_SUITE_P(
    Formats, CarriesMetadata,
    testing::Values(CarriedCase{"sony_exif_xmp_makernotes_64x64.heic", "JPG", kSonyTags},
                    CarriedCase{"sony_exif_xmp_makernotes_64x64.heic", "PNG", kSonyTags},
                    CarriedCase{"sony_exif_xmp_makernotes_64x64.heic", "TIF", kSonyTags},
                    CarriedCase{"apple_iphone7.heic", "JPG", kAppleTags},
                    CarriedCase{"apple_iphone7.heic", "PNG", kAppleTags},
                    CarriedCase{"apple_iphone7.heic", "TIF", kAppleTags},
                    CarriedCase{"canon_eos_kiss_x4_colorchart.dng", "JPG", kTaggedDng},
                    CarriedCase{"canon_eos_kiss_x4_colorchart.dng", "PNG", kTaggedDngInPng},
                    CarriedCase{"canon_eos_kiss_x4_colorchart.dng", "TIF", kTaggedDng}));

// exiftool's own check of the structure: no misplaced, duplicate or unreadable metadata.
TEST_P(KeepsExif, TheWrittenMetadataValidates) {
    REQUIRE_SAMPLE("sony_exif_xmp_makernotes_64x64.heic");
    const std::string name = std::string("out.") + GetParam();
    ASSERT_TRUE(convert(sample("sony_exif_xmp_makernotes_64x64.heic"), name, 48).succeeded());
    const auto tags = exifToolTags(folder / name, {"Warning"});
    if (!tags) GTEST_SKIP() << "exiftool is not available";
    EXPECT_EQ(tags->count("Warning"), 0u) << tags->at("Warning");
}

// A JPEG segment holds 64 KB: an EXIF block larger than that (phones write 192 KB) loses its
// largest values, not its camera, date and exposure.
TEST_F(ConversionTest, ExifTooLargeForAJpegSegmentKeepsItsEssentialTags) {
    REQUIRE_SAMPLE("apple_iphone7.heic");
    ASSERT_TRUE(convert(sample("apple_iphone7.heic"), "large.PNG", 64).succeeded());
    const std::string comment(100000, 'x');
    if (!runExifTool({"-q", "-overwrite_original", "-UserComment=" + comment,
                      (folder / "large.PNG").string()}))
        GTEST_SKIP() << "exiftool is not available";
    const ConverterRun run = convert(folder / "large.PNG", "large.JPG", 64);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    const auto tags = exifToolTags(
        folder / "large.JPG", {"Make", "Model", "DateTimeOriginal", "ExposureTime", "Warning"});
    ASSERT_TRUE(tags);
    const std::map<std::string, std::string> expected = {
        {"Make", "Apple"},
        {"Model", "iPhone 7"},
        {"DateTimeOriginal", "2019:03:21 11:04:22"},
        {"ExposureTime", "0.001127395716"}};
    EXPECT_EQ(*tags, expected);
}

}  // namespace
}  // namespace quorvel::converter
