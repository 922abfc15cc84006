#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "exiftool.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct Carried {
    const char* extension;
    bool iptc;  // PNG has no place for IPTC
};

void PrintTo(const Carried& c, std::ostream* os) { *os << c.extension; }

class CarriesXmpAndIptc : public ConversionTest, public testing::WithParamInterface<Carried> {};

// A title, a rating and keywords a photographer set (here written by exiftool into a copy of
// the DNG) reach every format that has a place for them.
TEST_P(CarriesXmpAndIptc, FromARaw) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const auto raw = copyOf("canon_eos_kiss_x4_colorchart.dng", "tagged.dng");
    if (!runExifTool({"-q", "-overwrite_original", "-XMP-dc:Title=Harbour at dusk",
                      "-XMP-xmp:Rating=4", "-IPTC:Keywords=harbour", "-IPTC:Keywords=dusk",
                      raw.string()}))
        GTEST_SKIP() << "exiftool is not available";
    const std::string name = std::string("out.") + GetParam().extension;
    const ConverterRun run = convert(raw, name, 200);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    const auto tags =
        exifToolTags(folder / name, {"XMP:Title", "XMP:Rating", "IPTC:Keywords", "Warning"});
    ASSERT_TRUE(tags);
    EXPECT_EQ(tags->count("Warning"), 0u) << tags->at("Warning");
    EXPECT_EQ(tags->count("Title") ? tags->at("Title") : "", "Harbour at dusk");
    EXPECT_EQ(tags->count("Rating") ? tags->at("Rating") : "", "4");
    if (GetParam().iptc) {
        EXPECT_EQ(tags->count("Keywords") ? tags->at("Keywords") : "", "harbour, dusk");
    }
}

// A camera's HEIF with Lightroom's XMP and Sony's maker notes.
TEST_P(CarriesXmpAndIptc, FromAHeif) {
    REQUIRE_SAMPLE("sony_exif_xmp_makernotes_64x64.heic");
    const std::string name = std::string("out.") + GetParam().extension;
    ASSERT_TRUE(convert(sample("sony_exif_xmp_makernotes_64x64.heic"), name).succeeded());
    const auto tags = exifToolTags(folder / name, {"XMP:CreatorTool", "XMP:SerialNumber", "Make",
                                                   "MakerNotes:HighISONoiseReduction"});
    ASSERT_TRUE(tags);
    const std::map<std::string, std::string> expected = {
        {"CreatorTool", "Adobe Photoshop Lightroom Classic 7.4 (Macintosh)"},
        {"SerialNumber", "022070029137"},
        {"Make", "SONY"},
        {"HighISONoiseReduction", "2"}};
    EXPECT_EQ(*tags, expected);
}

// Apple's maker note (its 15 tags) reaches every format, TIF too, whose writer once left it out.
TEST_P(CarriesXmpAndIptc, AndTheMakerNote) {
    REQUIRE_SAMPLE("apple_iphone7.heic");
    const std::string name = std::string("out.") + GetParam().extension;
    ASSERT_TRUE(convert(sample("apple_iphone7.heic"), name, 100).succeeded());
    const auto tags = exifToolTags(
        folder / name, {"MakerNotes:MakerNoteVersion", "MakerNotes:RunTimeValue", "Make"});
    ASSERT_TRUE(tags);
    const std::map<std::string, std::string> expected = {
        {"MakerNoteVersion", "10"}, {"RunTimeValue", "225053563841833"}, {"Make", "Apple"}};
    EXPECT_EQ(*tags, expected);
}

INSTANTIATE_TEST_SUITE_P(Formats, CarriesXmpAndIptc,
                         testing::Values(Carried{"JPG", true}, Carried{"TIF", true},
                                         Carried{"PNG", false}),
                         [](const testing::TestParamInfo<Carried>& info) {
                             return std::string(info.param.extension);
                         });

}  // namespace
}  // namespace quorvel::converter

namespace quorvel::converter {
namespace {

using namespace testing_support;

// 70 KB of EXIF (a long user comment written into a copy of the iPhone HEIC) does not fit a
// JPEG segment: the oversized tag goes, camera, date and maker note stay, and no warning of
// a cut (which used to leave a broken GPS directory behind).
TEST_F(ConversionTest, ExifTooLargeForAJpegKeepsItsEssentialTags) {
    REQUIRE_SAMPLE("apple_iphone7.heic");
    const auto heic = copyOf("apple_iphone7.heic", "long.heic");
    if (!runExifTool({"-q", "-overwrite_original", "-UserComment=" + std::string(70000, 'x'),
                      heic.string()}))
        GTEST_SKIP() << "exiftool is not available";
    const ConverterRun run = convert(heic, "out.JPG", 100);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    EXPECT_EQ(run.errors.find("truncated"), std::string::npos) << run.errors;
    const auto tags = exifToolTags(folder / "out.JPG", {"Make", "DateTimeOriginal",
                                                        "MakerNoteVersion", "UserComment",
                                                        "Warning"});
    ASSERT_TRUE(tags);
    const std::map<std::string, std::string> expected = {
        {"Make", "Apple"}, {"DateTimeOriginal", "2019:03:21 11:04:22"}, {"MakerNoteVersion", "10"}};
    EXPECT_EQ(*tags, expected);
}

}  // namespace
}  // namespace quorvel::converter
