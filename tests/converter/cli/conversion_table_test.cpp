#include <gtest/gtest.h>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

struct InputType {
    const char* type;
    const char* sample;
    const char* copyName;  // converted from a copy of this name ("" = the sample itself)
};

struct OutputType {
    const char* extension;  // as the program writes it: the format caption in capitals
    const char* format;     // what ImageMagick must find inside
};

void PrintTo(const InputType& input, std::ostream* os) { *os << input.type; }

constexpr InputType kInputs[] = {
    {"NEF", "synthetic_nikon_d200.NEF", ""},
    {"NRW", "synthetic_nikon_coolpix_p6000.NRW", ""},
    {"ORF", "synthetic_olympus_e-1.ORF", ""},
    {"RW2", "synthetic_panasonic_dmc-gf1.RW2", ""},
    {"RAF", "synthetic_fujifilm_x100.RAF", ""},
    {"CR2", "synthetic_canon_eos_350d.CR2", ""},
    {"DNG", "canon_eos_kiss_x4_colorchart.dng", ""},
    {"HEIC", "libheif_example_1280x854.heic", ""},
    {"HEIF", "spring_1440x960.heic", "spring.HEIF"},
    {"HDR", "polyhaven_venice_sunset_1k.hdr", ""},
};

constexpr OutputType kOutputs[] = {
    {"JPG", "JPEG"}, {"PNG", "PNG"}, {"GIF", "GIF"}, {"TIF", "TIFF"}, {"BMP", "BMP"}};

// One test per input type (starting the converter's test program is the slow part under the
// sanitizers); every output format inside it.
class ConversionTable : public ConversionTest, public testing::WithParamInterface<InputType> {};

TEST_P(ConversionTable, EveryOutputFormatDecodesWithTheAskedFormatAndWidth) {
    const InputType& input = GetParam();
    REQUIRE_SAMPLE(input.sample);
    const auto source =
        *input.copyName ? copyOf(input.sample, input.copyName) : sample(input.sample);
    for (const OutputType& output : kOutputs) {
        SCOPED_TRACE(std::string("output ") + output.extension);
        const std::string name = std::string("out.") + output.extension;
        const ConverterRun run = convert(source, name, 160);
        ASSERT_TRUE(run.succeeded()) << run.errors;
        expectFolderHolds({name});
        const auto facts = inspectPicture(folder / name);
        ASSERT_TRUE(facts) << "ImageMagick cannot read " << name;
        EXPECT_EQ(facts->format, output.format);
        EXPECT_EQ(facts->width, 160u);
        // A real photo: neither black, nor white, nor one flat colour.
        EXPECT_GT(facts->mean, 0.05);
        EXPECT_LT(facts->mean, 0.95);
        EXPECT_GT(facts->deviation, 0.04);
        std::filesystem::remove(folder / name);
    }
}

INSTANTIATE_TEST_SUITE_P(EveryInputType, ConversionTable, testing::ValuesIn(kInputs),
                         [](const testing::TestParamInfo<InputType>& info) {
                             return std::string(info.param.type);
                         });

// Raw found by content: a DNG called .NEF, the lossy DNG variant, and a camera raw without
// any extension all decode; a JPEG called .NEF is read as the JPEG it is.
struct RoutingCase {
    const char* name;
    const char* sample;
    const char* copyName;
};

void PrintTo(const RoutingCase& c, std::ostream* os) { *os << c.name; }

class RoutingByContent : public ConversionTest, public testing::WithParamInterface<RoutingCase> {};

TEST_P(RoutingByContent, DecodesWhatTheFileHolds) {
    REQUIRE_SAMPLE(GetParam().sample);
    const ConverterRun run =
        convert(copyOf(GetParam().sample, GetParam().copyName), "out.JPG", 200);
    ASSERT_TRUE(run.succeeded()) << run.errors;
    const auto facts = inspectPicture(folder / "out.JPG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 200u);
    EXPECT_GT(facts->deviation, 0.04);
}

INSTANTIATE_TEST_SUITE_P(
    Traps, RoutingByContent,
    testing::Values(RoutingCase{"DngNamedNef", "canon_eos_kiss_x4_colorchart.dng", "dng.NEF"},
                    RoutingCase{"LossyDng", "synthetic_lossy_256x168.dng", "lossy.dng"},
                    RoutingCase{"RawWithoutExtension", "synthetic_canon_eos_350d.CR2", "raw"},
                    RoutingCase{"LowerCaseExtension", "synthetic_olympus_e-1.ORF", "raw.orf"},
                    RoutingCase{"JpegNamedNef", "landscape_orientation6.jpg", "jpeg.NEF"},
                    RoutingCase{"HeicNamedJpg", "spring_1440x960.heic", "heic.JPG"}),
    [](const testing::TestParamInfo<RoutingCase>& info) { return info.param.name; });

TEST_F(ConversionTest, HigherQualityGivesALargerJpeg) {
    REQUIRE_SAMPLE("synthetic_canon_eos_350d.CR2");
    const auto input = sample("synthetic_canon_eos_350d.CR2");
    ASSERT_TRUE(convert(input, "q30.JPG", std::nullopt, 30).succeeded());
    ASSERT_TRUE(convert(input, "q60.JPG", std::nullopt, 60).succeeded());
    ASSERT_TRUE(convert(input, "q95.JPG", std::nullopt, 95).succeeded());
    const auto size = [this](const char* name) {
        return std::filesystem::file_size(folder / name);
    };
    EXPECT_LT(size("q30.JPG"), size("q60.JPG"));
    EXPECT_LT(size("q60.JPG"), size("q95.JPG"));
}

TEST_F(ConversionTest, WithoutResizeTheFullPictureIsWritten) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    ASSERT_TRUE(convert(sample("canon_eos_kiss_x4_colorchart.dng"), "full.PNG").succeeded());
    const auto facts = inspectPicture(folder / "full.PNG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 1734u);
    EXPECT_EQ(facts->height, 1156u);
    EXPECT_EQ(facts->depth, 8u);  // what photo applications expect by default
}

// A depth the command asks for wins over the 8-bit default: raws keep their 16 bits.
TEST_F(ConversionTest, AnAskedDepthIsKept) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const auto input = sample("canon_eos_kiss_x4_colorchart.dng").string();
    ASSERT_TRUE(runConverter({input, "-depth", "16", (folder / "deep.PNG").string()}).succeeded());
    const auto facts = inspectPicture(folder / "deep.PNG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->depth, 16u);
}

TEST_F(ConversionTest, VersionNamesTheDecoders) {
    const ConverterRun run = runConverter({"-version"});
    ASSERT_TRUE(run.succeeded());
    EXPECT_NE(run.output.find("Version: ImageMagick"), std::string::npos);
    EXPECT_NE(run.output.find("LibRaw: "), std::string::npos);
    EXPECT_NE(run.output.find("libheif: "), std::string::npos);
}

}  // namespace
}  // namespace quorvel::converter
