#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "exiftool.h"
#include "metadata/exif_codec.h"
#include "metadata/mapped_file.h"
#include "metadata/tiff_exif_writer.h"
#include "metadata/tiff_ifd.h"
#include "metadata/tiff_probe.h"
#include "picture_facts.h"
#include "samples.h"
#include "temp_folder.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace tag = exif_tag;

// A directory whose one entry points past the end of the data.
TEST(TiffIfd, EntriesPointingOutsideTheDataAreDropped) {
    std::vector<std::uint8_t> bytes = {'I', 'I', 42, 0, 8, 0, 0, 0};
    tiff::append16(bytes, 2, tiff::ByteOrder::Little);
    for (std::uint32_t offset : {26u, 4000u}) {  // 26: inside; 4000: outside
        tiff::append16(bytes, offset == 26 ? tag::kMake : tag::kModel, tiff::ByteOrder::Little);
        tiff::append16(bytes, tiff::Ascii, tiff::ByteOrder::Little);
        tiff::append32(bytes, 6, tiff::ByteOrder::Little);
        tiff::append32(bytes, offset, tiff::ByteOrder::Little);
    }
    tiff::append32(bytes, 0, tiff::ByteOrder::Little);
    bytes.insert(bytes.end(), {'C', 'a', 'n', 'o', 'n', 0});
    const auto ifd = tiff::readIfd(bytes, 8, tiff::ByteOrder::Little);
    ASSERT_TRUE(ifd);
    ASSERT_EQ(ifd->entries.size(), 1u);
    EXPECT_EQ(ifd->entries[0].tag, tag::kMake);
}

struct ProbeCase {
    const char* sample;
    bool isDng;
    std::optional<std::uint16_t> compression;
};

void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.sample; }

class TiffProbe : public testing::TestWithParam<ProbeCase> {};

TEST_P(TiffProbe, TellsDngAndRawCompression) {
    REQUIRE_SAMPLE(GetParam().sample);
    const MappedFile file(sample(GetParam().sample));
    const auto facts = probeRawTiff(file.bytes());
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->isDng, GetParam().isDng);
    EXPECT_EQ(facts->rawCompression, GetParam().compression);
}

INSTANTIATE_TEST_SUITE_P(Samples, TiffProbe,
                         testing::Values(ProbeCase{"nikon_z9_unsupported_jxl.dng", true, 52546},
                                         ProbeCase{"canon_eos_kiss_x4_colorchart.dng", true, 1},
                                         ProbeCase{"synthetic_lossy_256x168.dng", true, 34892},
                                         ProbeCase{"synthetic_nikon_d200.NEF", false, 1}));

TEST(TiffProbe, NamesCompressionsInWords) {
    EXPECT_EQ(compressionName(52546), "JPEG XL");
    EXPECT_EQ(compressionName(34892), "lossy JPEG");
    EXPECT_EQ(compressionName(9), "compression 9");
}

void writeTiff(const std::filesystem::path& path, EndianType endian) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, "gradient:red-blue", MaxTextExtent);
    CloneString(&info->size, "40x30");
    Image* image = ReadImage(info, exception);
    ASSERT_NE(image, nullptr);
    image->endian = endian;
    CopyMagickString(image->filename, ("TIFF:" + path.string()).c_str(), MaxTextExtent);
    EXPECT_TRUE(WriteImage(info, image));
    DestroyImage(image);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
}

ExifData capturedExif() {
    ExifData exif;
    exif.set(ExifDirectory::Primary, asciiEntry(tag::kMake, "Canon"));
    exif.set(ExifDirectory::Primary, asciiEntry(tag::kModel, "Canon EOS 350D DIGITAL"));
    exif.set(ExifDirectory::Primary, shortEntry(tag::kOrientation, 8));  // the TIFF's own wins
    exif.set(ExifDirectory::Exif, asciiEntry(tag::kDateTimeOriginal, "2024:05:01 12:00:00"));
    exif.set(ExifDirectory::Exif, asciiEntry(tag::kLensModel, "EF-S18-55mm f/3.5-5.6"));
    const Rational latitude[] = {{48, 1}, {30, 1}, {0, 1}};
    exif.set(ExifDirectory::Gps, asciiEntry(tag::kGpsLatitudeRef, "N"));
    exif.set(ExifDirectory::Gps, rationalEntry(tag::kGpsLatitude, latitude));
    return exif;
}

class TiffExifWriter : public testing::TestWithParam<EndianType> {};

TEST_P(TiffExifWriter, AddsExifThatTiffReadersFind) {
    TempFolder folder;
    const auto path = folder / "picture.tif";
    writeTiff(path, GetParam());
    const auto before = inspectPicture(path);
    ASSERT_TRUE(before);
    std::string problem;
    ASSERT_TRUE(addExifToTiff(path, capturedExif(), problem)) << problem;
    const auto after = inspectPicture(path);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->width, 40u);
    EXPECT_DOUBLE_EQ(after->mean, before->mean);
    const auto tags = exifToolTags(
        path, {"Make", "Model", "DateTimeOriginal", "LensModel", "GPSLatitude", "Orientation"});
    if (!tags) GTEST_SKIP() << "exiftool is not available";
    const std::map<std::string, std::string> expected = {
        {"Make", "Canon"},
        {"Model", "Canon EOS 350D DIGITAL"},
        {"DateTimeOriginal", "2024:05:01 12:00:00"},
        {"LensModel", "EF-S18-55mm f/3.5-5.6"},
        {"GPSLatitude", "48.5"},
        {"Orientation", "1"}};  // the TIFF's own tag, not the EXIF's 8
    EXPECT_EQ(*tags, expected);
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, TiffExifWriter, testing::Values(LSBEndian, MSBEndian),
                         [](const testing::TestParamInfo<EndianType>& info) {
                             return info.param == LSBEndian ? "Little" : "Big";
                         });

TEST(TiffExifWriter, RefusesWhatIsNoTiff) {
    TempFolder folder;
    writeFile(folder / "not.tif", "plain text, no TIFF header");
    std::string problem;
    EXPECT_FALSE(addExifToTiff(folder / "not.tif", capturedExif(), problem));
    EXPECT_FALSE(problem.empty());
    EXPECT_EQ(readFile(folder / "not.tif"), "plain text, no TIFF header");
}

}  // namespace
}  // namespace quorvel::converter
