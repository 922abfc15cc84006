#include <gtest/gtest.h>
#include <signal.h>

#include "conversion_fixture.h"
#include "converter_contract.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

const std::string kOldPicture = "the previous conversion's bytes";

TEST_F(ConversionTest, AFailedConversionKeepsTheExistingOutputByteForByte) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    const std::string raw = readFile(sample("synthetic_nikon_d200.NEF"));
    writeFile(inputs / "cut.NEF", raw.substr(0, raw.size() / 3));
    writeFile(folder / "cut.JPG", kOldPicture);
    const ConverterRun run = convert(inputs / "cut.NEF", "cut.JPG", 100);
    EXPECT_FALSE(run.succeeded());
    EXPECT_EQ(readFile(folder / "cut.JPG"), kOldPicture);
    expectFolderHolds({"cut.JPG"});
}

TEST_F(ConversionTest, ASuccessfulConversionReplacesTheExistingOutputWhole) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    writeFile(folder / "photo.JPG", kOldPicture);
    ASSERT_TRUE(convert(sample("synthetic_nikon_d200.NEF"), "photo.JPG", 100).succeeded());
    const auto facts = inspectPicture(folder / "photo.JPG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 100u);
    expectFolderHolds({"photo.JPG"});
}

// Writing the output over the input would lose the photo if anything went wrong, and lose the
// original even when nothing did: the converter refuses, whatever the spelling of the path.
TEST_F(ConversionTest, TheInputIsNeverOverwritten) {
    REQUIRE_SAMPLE("landscape_orientation6.jpg");
    fs::copy_file(sample("landscape_orientation6.jpg"), folder / "photo.JPG");
    const std::string original = readFile(folder / "photo.JPG");
    for (const std::string& output :
         {(folder / "photo.JPG").string(), (folder / "." / "photo.JPG").string()}) {
        const ConverterRun run = runConverter(
            {"-quality", "50%", (folder / "photo.JPG").string(), "-resize", "50", output});
        EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::OutputError)) << run.errors;
        EXPECT_NE(run.errors.find("input file"), std::string::npos) << run.errors;
    }
    EXPECT_EQ(readFile(folder / "photo.JPG"), original);
    expectFolderHolds({"photo.JPG"});
}

// ImageMagick would fail to open it; a rename would replace it anyway. It is kept.
TEST_F(ConversionTest, AWriteProtectedOutputIsKept) {
    REQUIRE_SAMPLE("imagers_image1_128x85.hdr");
    writeFile(folder / "kept.JPG", kOldPicture);
    if (!makeFileUnwritable(folder / "kept.JPG")) GTEST_SKIP() << "cannot protect a file here";
    const ConverterRun run = convert(sample("imagers_image1_128x85.hdr"), "kept.JPG", 50);
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::OutputError)) << run.errors;
    EXPECT_NE(run.errors.find("write-protected"), std::string::npos) << run.errors;
    makeFileWritable(folder / "kept.JPG");
    EXPECT_EQ(readFile(folder / "kept.JPG"), kOldPicture);
    expectFolderHolds({"kept.JPG"});
}

TEST_F(ConversionTest, AnInterruptedConversionLeavesNothingPartial) {
    REQUIRE_SAMPLE("apple_iphone13_rotated.heic");
    writeFile(folder / "big.PNG", kOldPicture);
    RunOptions options;
    options.terminateAfter = 400ms;  // decoding alone takes longer; the PNG even more
    const ConverterRun run = runConverter(
        {sample("apple_iphone13_rotated.heic").string(), (folder / "big.PNG").string()}, options);
    EXPECT_EQ(run.signal, SIGTERM);
    EXPECT_EQ(readFile(folder / "big.PNG"), kOldPicture);
    expectFolderHolds({"big.PNG"});
}

}  // namespace
}  // namespace quorvel::converter
