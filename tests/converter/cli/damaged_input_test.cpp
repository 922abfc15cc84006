#include <gtest/gtest.h>

#include <random>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr const char* kSamples[] = {"synthetic_nikon_d200.NEF",
                                    "synthetic_nikon_coolpix_p6000.NRW",
                                    "synthetic_olympus_e-1.ORF",
                                    "synthetic_panasonic_dmc-gf1.RW2",
                                    "synthetic_fujifilm_x100.RAF",
                                    "synthetic_canon_eos_350d.CR2",
                                    "canon_eos_kiss_x4_colorchart.dng",
                                    "synthetic_lossy_256x168.dng",
                                    "nikon_z9_unsupported_jxl.dng",
                                    "libheif_example_1280x854.heic",
                                    "spring_1440x960.heic",
                                    "apple_iphone7.heic",
                                    "apple_iphone13_rotated.heic",
                                    "hmd_nokia_8_3_5g.heif",
                                    "imagers_image1_128x85.hdr",
                                    "polyhaven_venice_sunset_1k.hdr",
                                    "landscape_orientation6.jpg"};

struct Damage {
    const char* name;
    double cutAt;     // keep this share of the file (1 = keep all; -1 = all but the last byte)
    int flips;        // bytes overwritten with random values
    double from, to;  // where, as shares of the file
    bool mustFail;    // picture data is certainly lost: a "success" would be a broken picture
};

// The last byte of a raw may belong to trailing metadata, and overwritten bytes may land in
// pixel values: those may convert.
constexpr Damage kDamages[] = {{"cut to 1%", 0.01, 0, 0, 0, true},
                               {"cut to a quarter", 0.25, 0, 0, 0, true},
                               {"last byte missing", -1, 0, 0, 0, false},
                               {"header bytes overwritten", 1, 12, 0, 0.02, false},
                               {"bytes overwritten everywhere", 1, 200, 0, 1, false}};

std::string damaged(const std::string& bytes, const Damage& damage, unsigned seed) {
    if (damage.cutAt < 0) return bytes.substr(0, bytes.size() - 1);
    std::string copy = bytes.substr(0, static_cast<std::size_t>(bytes.size() * damage.cutAt));
    std::mt19937 random(seed);
    const auto first = static_cast<std::size_t>(copy.size() * damage.from);
    const auto last = std::max(first + 1, static_cast<std::size_t>(copy.size() * damage.to));
    std::uniform_int_distribution<std::size_t> where(first, std::min(last, copy.size()) - 1);
    for (int i = 0; i < damage.flips; ++i)
        copy[where(random)] = static_cast<char>(random() & 0xFF);
    return copy;
}

// One test per sample, every kind of damage inside it.
class DamagedInput : public ConversionTest, public testing::WithParamInterface<const char*> {};

// Whatever the bytes: no crash, no hang; either a clear one-line refusal that names the file,
// or a picture that decodes. Never a partial output.
TEST_P(DamagedInput, FailsCleanlyOrConvertsWithoutCrashOrHang) {
    const char* name = GetParam();
    REQUIRE_SAMPLE(name);
    const std::string original = readFile(sample(name));
    for (const Damage& damage : kDamages) {
        SCOPED_TRACE(damage.name);
        const fs::path input = inputs / ("damaged-" + std::string(name));
        writeFile(input, damaged(original, damage, 20240501));
        RunOptions options;
        options.timeLimit = 90s;
        const ConverterRun run = runConverter(
            {"-quality", "85%", input.string(), "-resize", "120", (folder / "out.JPG").string()},
            options);
        ASSERT_FALSE(run.timedOut) << "the converter hung";
        ASSERT_EQ(run.signal, 0) << "the converter crashed:\n" << run.errors;
        ASSERT_TRUE(run.exitCode.has_value());
        EXPECT_FALSE(damage.mustFail && run.succeeded()) << "a truncated file was converted";
        if (run.succeeded()) {
            EXPECT_TRUE(inspectPicture(folder / "out.JPG")) << "a broken output was written";
            expectFolderHolds({"out.JPG"});
            fs::remove(folder / "out.JPG");
        } else {
            EXPECT_EQ(run.firstErrorLine().rfind("convert.exe: ", 0), 0u) << run.errors;
            EXPECT_NE(run.firstErrorLine().find(input.filename().string()), std::string::npos)
                << run.errors;
            expectFolderHolds({});
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EverySample, DamagedInput, testing::ValuesIn(kSamples),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

}  // namespace
}  // namespace quorvel::converter
