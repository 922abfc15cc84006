#include <gtest/gtest.h>

#include <functional>

#include "conversion_fixture.h"
#include "converter_contract.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// Each case prepares its input in `inputs` and returns the input and output arguments.
struct FailureCase {
    const char* name;
    std::function<std::pair<std::string, std::string>(const fs::path& inputs,
                                                      const fs::path& outputs)>
        prepare;
    ExitCode code;
    const char* fileNamed;  // the file the message must name
    const char* reason;     // words the message must contain
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class Failures : public ConversionTest, public testing::WithParamInterface<FailureCase> {};

TEST_P(Failures, OneLineNamesTheFileAndTheReasonAndNothingIsWritten) {
    const FailureCase& c = GetParam();
    const auto [input, output] = c.prepare(inputs.path(), folder.path());
    if (input.starts_with(samplesFolder().string()))
        REQUIRE_SAMPLE(fs::path(input).filename().string());
    const ConverterRun run = runConverter({"-quality", "85%", input, "-resize", "100", output});
    EXPECT_EQ(run.exitCode, static_cast<int>(c.code)) << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << "not one line:\n" << run.errors;
    EXPECT_EQ(run.firstErrorLine().rfind("convert.exe: ", 0), 0u) << run.errors;
    EXPECT_NE(run.errors.find(c.fileNamed), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find(c.reason), std::string::npos) << run.errors;
    expectFolderHolds({});
}

std::pair<std::string, std::string> withText(const fs::path& inputs, const fs::path& outputs,
                                             const std::string& name) {
    writeFile(inputs / name, "just some words, not a picture");
    return {(inputs / name).string(), (outputs / "out.JPG").string()};
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Failures,
    testing::Values(FailureCase{"MissingInput",
                                [](const fs::path&, const fs::path& out) {
                                    return std::pair<std::string, std::string>{
                                        "/no/such/photo.NEF", (out / "out.JPG").string()};
                                },
                                ExitCode::InputError, "photo.NEF", "No such file"},
                    FailureCase{"EmptyInput",
                                [](const fs::path& in, const fs::path& out) {
                                    writeFile(in / "empty.NEF", "");
                                    return std::pair<std::string, std::string>{
                                        (in / "empty.NEF").string(), (out / "out.JPG").string()};
                                },
                                ExitCode::InputError, "empty.NEF", "empty"},
                    FailureCase{"FolderAsInput",
                                [](const fs::path& in, const fs::path& out) {
                                    return std::pair<std::string, std::string>{
                                        in.string(), (out / "out.JPG").string()};
                                },
                                ExitCode::InputError, "quorvel-converter-test", "folder"},
                    FailureCase{"TextNamedRaw",
                                [](const fs::path& in, const fs::path& out) {
                                    return withText(in, out, "notes.NEF");
                                },
                                ExitCode::InputError, "notes.NEF", "not a camera raw file"},
                    FailureCase{"TextNamedJpeg",
                                [](const fs::path& in, const fs::path& out) {
                                    return withText(in, out, "notes.JPG");
                                },
                                ExitCode::InputError, "notes.JPG", "insufficient image data"},
                    FailureCase{"UnsupportedRawCompression",
                                [](const fs::path&, const fs::path& out) {
                                    return std::pair<std::string, std::string>{
                                        sample("nikon_z9_unsupported_jxl.dng").string(),
                                        (out / "out.JPG").string()};
                                },
                                ExitCode::InputError, "nikon_z9_unsupported_jxl.dng",
                                "JPEG XL compressed"},
                    FailureCase{"UnknownOutputExtension",
                                [](const fs::path&, const fs::path& out) {
                                    return std::pair<std::string, std::string>{
                                        sample("imagers_image1_128x85.hdr").string(),
                                        (out / "out.XYZ").string()};
                                },
                                ExitCode::UsageError, "out.XYZ", "unknown output format"},
                    FailureCase{"MissingOutputFolder",
                                [](const fs::path&, const fs::path& out) {
                                    return std::pair<std::string, std::string>{
                                        sample("imagers_image1_128x85.hdr").string(),
                                        (out / "missing" / "out.JPG").string()};
                                },
                                ExitCode::OutputError, "out.JPG", "does not exist"}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST_F(ConversionTest, AnUnwritableOutputFolderFailsAndLeavesNothing) {
    REQUIRE_SAMPLE("imagers_image1_128x85.hdr");
    const auto locked = folder / "locked";
    fs::create_directory(locked);
    if (!makeUnwritable(locked)) GTEST_SKIP() << "cannot make a folder unwritable here";
    const ConverterRun run = runConverter(
        {sample("imagers_image1_128x85.hdr").string(), (locked / "out.JPG").string()});
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::OutputError));
    EXPECT_NE(run.errors.find("cannot write into the output folder"), std::string::npos)
        << run.errors;
    makeWritable(locked);
    EXPECT_TRUE(fs::is_empty(locked));
}

// As ImageMagick's own convert: the usage text, and success.
TEST_F(ConversionTest, NoArgumentsPrintsTheUsage) {
    const ConverterRun run = runConverter({});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.output.find("Usage: "), std::string::npos);
}

}  // namespace
}  // namespace quorvel::converter
