#include "command/input_probe.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "command/readable_formats.h"
#include "samples.h"
#include "temp_folder.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct ProbeCase {
    const char* name;    // the copy's file name: the trap it encodes
    const char* sample;  // what it holds
    InputKind kind;
    const char* prefix;  // what the routed argument starts with
};

void PrintTo(const ProbeCase& c, std::ostream* os) { *os << c.name; }

class InputProbeByContent : public testing::TestWithParam<ProbeCase> {};

TEST_P(InputProbeByContent, RoutesByWhatTheFileHolds) {
    REQUIRE_SAMPLE(GetParam().sample);
    TempFolder folder;
    const fs::path copy = folder / GetParam().name;
    fs::copy_file(sample(GetParam().sample), copy);
    const InputProbe probe = probeInput(copy.string());
    EXPECT_EQ(probe.kind, GetParam().kind);
    EXPECT_EQ(probe.problem, "");
    EXPECT_EQ(routedArgument(probe, copy.string()), GetParam().prefix + copy.string());
}

INSTANTIATE_TEST_SUITE_P(
    Traps, InputProbeByContent,
    testing::Values(
        ProbeCase{"raw.NEF", "synthetic_nikon_d200.NEF", InputKind::CameraRaw, "LIBRAW:"},
        ProbeCase{"dng-named.NEF", "canon_eos_kiss_x4_colorchart.dng", InputKind::CameraRaw,
                  "LIBRAW:"},
        ProbeCase{"dng-named.tif", "canon_eos_kiss_x4_colorchart.dng", InputKind::CameraRaw,
                  "LIBRAW:"},
        ProbeCase{"raf-lower-case.raf", "synthetic_fujifilm_x100.RAF", InputKind::CameraRaw,
                  "LIBRAW:"},
        ProbeCase{"orf-without-extension", "synthetic_olympus_e-1.ORF", InputKind::CameraRaw,
                  "LIBRAW:"},
        ProbeCase{"undecodable.dng", "nikon_z9_unsupported_jxl.dng", InputKind::CameraRaw,
                  "LIBRAW:"},
        ProbeCase{"jpeg-named.NEF", "landscape_orientation6.jpg", InputKind::Image, "JPEG:"},
        ProbeCase{"heic-named.JPG", "spring_1440x960.heic", InputKind::Heif, "LIBHEIF:"},
        ProbeCase{"photo.HEIF", "hmd_nokia_8_3_5g.heif", InputKind::Heif, "LIBHEIF:"},
        ProbeCase{"radiance.hdr", "imagers_image1_128x85.hdr", InputKind::Image, "HDR:"}));

TEST(InputProbe, ImageMagicksPseudoImagesAreLeftToIt) {
    for (const char* argument : {"rose:", "xc:red", "-"}) {
        const InputProbe probe = probeInput(argument);
        EXPECT_EQ(probe.kind, InputKind::NotALocalFile) << argument;
        EXPECT_EQ(routedArgument(probe, argument), argument);
    }
}

// A name that is no file is missing, whatever it looks like: never a pattern for ImageMagick
// to match other files with, nor a list of files to read.
TEST(InputProbe, AnyOtherNameIsAFileThatMayBeMissing) {
    TempFolder folder;
    writeFile(folder / "IMG_1.hdr", "a neighbour the pattern would match");
    for (const std::string name :
         {"/no/such/file.NEF", "*.jpg", "IMG_[12].hdr", "IMG_?.hdr", "@IMG_1.hdr", "IMG_%d.hdr"}) {
        const std::string argument = name.starts_with("/") ? name : (folder / name).string();
        const InputProbe probe = probeInput(argument);
        EXPECT_EQ(probe.path, argument);
        EXPECT_EQ(probe.problem, "does not exist (No such file or directory)") << argument;
    }
}

TEST(InputProbe, FilesThatCannotBePicturesAreRefusedWithAReason) {
    TempFolder folder;
    writeFile(folder / "empty.NEF", "");
    EXPECT_EQ(probeInput((folder / "empty.NEF").string()).problem, "is an empty file");
    EXPECT_EQ(probeInput(folder.path().string()).problem, "is a folder, not an image file");
}

TEST(InputProbe, UnknownContentWithARawNameGoesToLibRawForItsVerdict) {
    TempFolder folder;
    writeFile(folder / "notes.NEF", "just some text");
    writeFile(folder / "notes.txt", "just some text");
    EXPECT_EQ(probeInput((folder / "notes.NEF").string()).kind, InputKind::CameraRaw);
    // ImageMagick would render the text as a picture of it.
    EXPECT_EQ(probeInput((folder / "notes.txt").string()).problem, kNotAPhoto);
}

TEST(InputProbe, AFrameSelectionStaysWithTheRoutedFile) {
    REQUIRE_SAMPLE("synthetic_nikon_d200.NEF");
    const std::string path = sample("synthetic_nikon_d200.NEF").string();
    const InputProbe probe = probeInput(path + "[0]");
    EXPECT_EQ(probe.kind, InputKind::CameraRaw);
    EXPECT_EQ(routedArgument(probe, path + "[0]"), "LIBRAW:" + path + "[0]");
}

}  // namespace
}  // namespace quorvel::converter
