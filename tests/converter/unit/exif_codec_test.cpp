#include "metadata/exif_codec.h"

#include <gtest/gtest.h>

#include "metadata/exif_orientation.h"
#include "metadata/tiff_bytes.h"

namespace quorvel::converter {
namespace {

namespace tag = exif_tag;

ExifData cameraExif() {
    ExifData exif;
    exif.set(ExifDirectory::Primary, asciiEntry(tag::kMake, "NIKON CORPORATION"));
    exif.set(ExifDirectory::Primary, asciiEntry(tag::kModel, "NIKON D200"));
    exif.set(ExifDirectory::Primary, shortEntry(tag::kOrientation, 6));
    const Rational exposure[] = {{1, 250}};
    exif.set(ExifDirectory::Exif, rationalEntry(tag::kExposureTime, exposure));
    exif.set(ExifDirectory::Exif, asciiEntry(tag::kDateTimeOriginal, "2024:05:01 12:00:00"));
    exif.set(ExifDirectory::Exif, shortEntry(tag::kIsoSpeed, 200));
    const Rational latitude[] = {{48, 1}, {30, 1}, {1234, 1000}};
    exif.set(ExifDirectory::Gps, asciiEntry(tag::kGpsLatitudeRef, "N"));
    exif.set(ExifDirectory::Gps, rationalEntry(tag::kGpsLatitude, latitude));
    return exif;
}

void expectSameEntries(const ExifData& expected, const ExifData& actual, ExifDirectory which) {
    ASSERT_EQ(expected.entries(which).size(), actual.entries(which).size());
    for (const ExifEntry& entry : expected.entries(which)) {
        const ExifEntry* found = actual.find(which, entry.tag);
        ASSERT_NE(found, nullptr) << "tag " << entry.tag;
        EXPECT_EQ(found->type, entry.type);
        EXPECT_EQ(found->count, entry.count);
        EXPECT_EQ(found->value, entry.value) << "tag " << entry.tag;
    }
}

class ExifRoundTrip : public testing::TestWithParam<tiff::ByteOrder> {};

TEST_P(ExifRoundTrip, EveryDirectoryComesBackUnchanged) {
    const ExifData exif = cameraExif();
    const auto parsed = parseExif(encodeExif(exif, GetParam()));
    ASSERT_TRUE(parsed);
    for (auto which : {ExifDirectory::Primary, ExifDirectory::Exif, ExifDirectory::Gps})
        expectSameEntries(exif, *parsed, which);
}

TEST_P(ExifRoundTrip, TheExifHeaderOfJpegSegmentsIsAccepted) {
    std::vector<std::uint8_t> block(std::begin(kExifHeader), std::end(kExifHeader));
    const auto encoded = encodeExif(cameraExif(), GetParam());
    block.insert(block.end(), encoded.begin(), encoded.end());
    const auto parsed = parseExif(block);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(asciiText(*parsed->find(ExifDirectory::Primary, tag::kMake)), "NIKON CORPORATION");
}

TEST_P(ExifRoundTrip, OrientationResetTouchesNothingElse) {
    auto block = encodeExif(cameraExif(), GetParam());
    const auto before = block;
    ASSERT_TRUE(resetExifOrientation(block));
    const auto parsed = parseExif(block);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(firstUnsigned(*parsed->find(ExifDirectory::Primary, tag::kOrientation)), 1u);
    std::size_t changed = 0;
    for (std::size_t i = 0; i < block.size(); ++i) changed += block[i] != before[i];
    EXPECT_EQ(changed, 1u);  // the low byte of one SHORT
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, ExifRoundTrip,
                         testing::Values(tiff::ByteOrder::Little, tiff::ByteOrder::Big));

TEST(ExifCodec, NulPaddedAndEmptyTextsAreTidied) {
    ExifEntry padded{tag::kModel, tiff::Ascii, 8, {'D', '2', '0', '0', 0, 0, 0, 0}};
    ASSERT_TRUE(tidyAscii(padded));
    EXPECT_EQ(padded.count, 5u);
    EXPECT_EQ(asciiText(padded), "D200");
    ExifEntry empty{tag::kDateTime, tiff::Ascii, 4, {0, 0, 0, 0}};
    EXPECT_FALSE(tidyAscii(empty));
}

TEST(ExifCodec, OffsetTagsOfTheSourceAreNotCarriedOver) {
    ExifData exif = cameraExif();
    exif.set(ExifDirectory::Primary,
             bytesEntry(0x0111, tiff::Long, std::vector<std::uint8_t>{8, 0, 0, 0}));
    const auto parsed = parseExif(encodeExif(exif, tiff::ByteOrder::Little));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->find(ExifDirectory::Primary, 0x0111), nullptr);
    EXPECT_NE(parsed->find(ExifDirectory::Exif, tag::kExposureTime), nullptr);
}

// A damaged block (cut short anywhere, or with bytes overwritten) must never read out of
// bounds; whatever survives is returned.
TEST(ExifCodec, DamagedBlocksAreReadSafely) {
    const auto block = encodeExif(cameraExif(), tiff::ByteOrder::Big);
    for (std::size_t size = 0; size < block.size(); ++size)
        parseExif(std::span(block.data(), size));
    for (std::size_t at = 0; at < block.size(); ++at) {
        auto damaged = block;
        damaged[at] ^= 0xFF;
        parseExif(damaged);
    }
    SUCCEED();
}

TEST(ExifCodec, NoTiffStructureGivesNothing) {
    const std::vector<std::uint8_t> jpeg = {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F'};
    EXPECT_FALSE(parseExif(jpeg));
    EXPECT_FALSE(parseExif({}));
}

}  // namespace
}  // namespace quorvel::converter
