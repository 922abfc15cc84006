#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "conversion_fixture.h"
#include "converter_contract.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct Frame {
    const char* colour;
    std::size_t width, height;
};

// Frames of different sizes, so the output's size tells which one it holds.
constexpr Frame kFrames[] = {{"red", 30, 20}, {"green", 40, 25}, {"blue", 50, 35}};

// A multi-page TIFF or multi-frame GIF, written with ImageMagick.
void writeFrames(const fs::path& path) {
    ExceptionInfo* exception = AcquireExceptionInfo();
    Image* frames = nullptr;
    for (const Frame& frame : kFrames) {
        ImageInfo* info = AcquireImageInfo();
        const std::string size = std::to_string(frame.width) + "x" + std::to_string(frame.height);
        CloneString(&info->size, size.c_str());
        CopyMagickString(info->filename, (std::string("xc:") + frame.colour).c_str(),
                         MaxTextExtent);
        AppendImageToList(&frames, ReadImage(info, exception));
        DestroyImageInfo(info);
    }
    ImageInfo* info = AcquireImageInfo();
    info->adjoin = MagickTrue;
    CopyMagickString(frames->filename, path.c_str(), MaxTextExtent);
    WriteImages(info, frames, path.c_str(), exception);
    DestroyImageInfo(info);
    DestroyImageList(frames);
    DestroyExceptionInfo(exception);
}

std::size_t frameCount(const fs::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* images = PingImage(info, exception);
    const std::size_t count = images ? GetImageListLength(images) : 0;
    if (images) DestroyImageList(images);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return count;
}

class MultiFrameInput : public ConversionTest, public testing::WithParamInterface<const char*> {};

// One command, one output: the first frame at the named path, with a note, and nothing else.
TEST_P(MultiFrameInput, GivesItsFirstFrameToASinglePictureFormat) {
    const fs::path input = inputs / (std::string("pages.") + GetParam());
    writeFrames(input);
    ASSERT_EQ(frameCount(input), 3u);
    for (const char* output : {"pages.JPG", "pages.PNG", "pages.BMP"}) {
        SCOPED_TRACE(output);
        const ConverterRun run = convert(input, output);
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_NE(run.errors.find("holds 3 pictures; only the first was converted"),
                  std::string::npos)
            << run.errors;
        EXPECT_NE(run.errors.find(input.filename().string()), std::string::npos) << run.errors;
        const auto facts = inspectPicture(folder / output);
        ASSERT_TRUE(facts);
        EXPECT_EQ(facts->width, kFrames[0].width);
        EXPECT_EQ(facts->height, kFrames[0].height);
        expectFolderHolds({output});
        fs::remove(folder / output);
    }
}

// A format that holds several pictures keeps them all, in the one named file.
TEST_P(MultiFrameInput, KeepsEveryFrameInAFormatThatHoldsSeveral) {
    const fs::path input = inputs / (std::string("pages.") + GetParam());
    writeFrames(input);
    for (const char* output : {"pages.TIF", "pages.GIF"}) {
        SCOPED_TRACE(output);
        const ConverterRun run = convert(input, output);
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        EXPECT_EQ(run.errors, "");
        EXPECT_EQ(frameCount(folder / output), 3u);
        expectFolderHolds({output});
        fs::remove(folder / output);
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, MultiFrameInput, testing::Values("tif", "gif"));

// An operation that makes several pictures (tiles of a crop) cannot give the one file named:
// the run fails and writes nothing, rather than numbered files beside it.
TEST_F(ConversionTest, ACommandThatMakesSeveralPicturesFailsAndWritesNothing) {
    const fs::path input = inputs / "pages.tif";
    writeFrames(input);
    const ConverterRun run = runConverter(
        {(input.string() + "[0]"), "-crop", "10x10", (folder / "tiles.JPG").string()});
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::OutputError)) << run.errors;
    EXPECT_NE(run.errors.find("tiles.JPG"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("makes 6 pictures"), std::string::npos) << run.errors;
    expectFolderHolds({});
}

TEST_F(ConversionTest, AnOptionThatWritesASecondFileIsRefused) {
    const fs::path input = inputs / "pages.tif";
    writeFrames(input);
    for (const char* option : {"-write", "+write"}) {
        const ConverterRun run =
            runConverter({input.string() + "[0]", option, (folder / "copy.PNG").string(),
                          (folder / "out.JPG").string()});
        EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::UsageError)) << run.errors;
        EXPECT_NE(run.errors.find(option), std::string::npos) << run.errors;
        expectFolderHolds({});
    }
}

}  // namespace
}  // namespace quorvel::converter
