#include <gtest/gtest.h>

#include "samples.h"
#include "tiff/mapped_file.h"
#include "tiff/tiff_ifd.h"
#include "tiff/tiff_probe.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

constexpr std::uint16_t kMake = 0x010F, kModel = 0x0110;

// A directory whose one entry points past the end of the data.
TEST(TiffIfd, EntriesPointingOutsideTheDataAreDropped) {
    std::vector<std::uint8_t> bytes = {'I', 'I', 42, 0, 8, 0, 0, 0};
    tiff::append16(bytes, 2, tiff::ByteOrder::Little);
    for (std::uint32_t offset : {26u, 4000u}) {  // 26: inside; 4000: outside
        tiff::append16(bytes, offset == 26 ? kMake : kModel, tiff::ByteOrder::Little);
        tiff::append16(bytes, tiff::Ascii, tiff::ByteOrder::Little);
        tiff::append32(bytes, 6, tiff::ByteOrder::Little);
        tiff::append32(bytes, offset, tiff::ByteOrder::Little);
    }
    tiff::append32(bytes, 0, tiff::ByteOrder::Little);
    bytes.insert(bytes.end(), {'C', 'a', 'n', 'o', 'n', 0});
    const auto ifd = tiff::readIfd(bytes, 8, tiff::ByteOrder::Little);
    ASSERT_TRUE(ifd);
    ASSERT_EQ(ifd->entries.size(), 1u);
    EXPECT_EQ(ifd->entries[0].tag, kMake);
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

}  // namespace
}  // namespace quorvel::converter
