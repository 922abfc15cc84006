#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "picture_statistics.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

struct ToneCase {
    const char* sample;
    double maxClipped;  // share of pixels with a channel at 255
    double minLuma, maxLuma;
};

void PrintTo(const ToneCase& c, std::ostream* os) { *os << c.sample; }

class Tone : public ConversionTest, public testing::WithParamInterface<ToneCase> {};

// A scene brighter than white (a sunset's sky, a lamp) keeps its highlights and a normal
// brightness, and every format holds the same sRGB-encoded picture: once a HDR file read
// linear, PNG held it with a gamma of 1 and TIF and BMP with no tag at all.
TEST_P(Tone, HighlightsKeepTheirDetailAtANormalBrightnessInEveryFormat) {
    const ToneCase& tone = GetParam();
    REQUIRE_SAMPLE(tone.sample);
    double jpegLuma = 0;
    for (const char* extension : {"JPG", "PNG", "GIF", "TIF", "BMP"}) {
        SCOPED_TRACE(extension);
        const std::string name = std::string("out.") + extension;
        const ConverterRun run = convert(sample(tone.sample), name);
        ASSERT_TRUE(run.succeeded()) << run.errors;
        const auto statistics = pictureStatistics(folder / name);
        ASSERT_TRUE(statistics);
        EXPECT_LE(statistics->clippedShare, tone.maxClipped);
        EXPECT_GE(statistics->meanLuma, tone.minLuma);
        EXPECT_LE(statistics->meanLuma, tone.maxLuma);
        if (jpegLuma == 0) jpegLuma = statistics->meanLuma;
        EXPECT_NEAR(statistics->meanLuma, jpegLuma, 2.0);  // the same picture in each
    }
}

INSTANTIATE_TEST_SUITE_P(
    Samples, Tone,
    testing::Values(ToneCase{"polyhaven_venice_sunset_1k.hdr", 0.01, 90, 150},
                    ToneCase{"imagers_image1_128x85.hdr", 0.01, 90, 150},
                    // Before, LibRaw's auto-brightening clipped 1.2 % of this raw.
                    ToneCase{"canon_eos_kiss_x4_colorchart.dng", 0.003, 60, 255}),
    [](const testing::TestParamInfo<ToneCase>& info) {
        std::string name = info.param.sample;
        return name.substr(0, name.find('_'));
    });

}  // namespace
}  // namespace quorvel::converter
