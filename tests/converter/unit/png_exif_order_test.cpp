#include "metadata/png_exif_order.h"

#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "magick/magick_image.h"
#include "metadata/exif_codec.h"
#include "picture_facts.h"
#include "temp_folder.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

// The chunk types of a PNG file, in order.
std::vector<std::string> chunkTypes(const std::string& png) {
    std::vector<std::string> types;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(png[at + i]); };
        const std::size_t length = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        types.push_back(png.substr(at + 4, 4));
        at += 12 + length;
    }
    return types;
}

std::ptrdiff_t indexOf(const std::vector<std::string>& types, const std::string& type) {
    return std::find(types.begin(), types.end(), type) - types.begin();
}

void writePngWithExif(const std::filesystem::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, "gradient:orange-navy", MaxTextExtent);
    CloneString(&info->size, "64x48");
    Image* image = ReadImage(info, exception);
    ASSERT_NE(image, nullptr);
    ExifData exif;
    exif.set(ExifDirectory::Primary, asciiEntry(exif_tag::kMake, "Canon"));
    attachExif(image, encodeExif(exif, tiff::ByteOrder::Little));
    CopyMagickString(image->filename, ("PNG:" + path.string()).c_str(), MaxTextExtent);
    EXPECT_TRUE(WriteImage(info, image));
    DestroyImage(image);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
}

TEST(PngExifOrder, MovesExifInFrontOfTheImageDataAndKeepsThePicture) {
    TempFolder folder;
    const auto path = folder / "picture.png";
    writePngWithExif(path);  // the writer is wrapped: it already reorders
    const auto written = chunkTypes(readFile(path));
    EXPECT_LT(indexOf(written, "eXIf"), indexOf(written, "IDAT"));
    std::string problem;
    ASSERT_TRUE(moveExifBeforeImageData(path, problem)) << problem;  // nothing left to move
    EXPECT_EQ(chunkTypes(readFile(path)), written);
}

// A file with eXIf behind IDAT, as ImageMagick's own writer leaves it.
TEST(PngExifOrder, RewritesAFileWithExifAfterTheData) {
    TempFolder folder;
    const auto path = folder / "late.png";
    writePngWithExif(path);
    std::string png = readFile(path);
    auto types = chunkTypes(png);
    // Rebuild the file with the eXIf chunk just before IEND.
    std::string exif, others = png.substr(0, 8);
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(png[at + i]); };
        const std::size_t size = 12 + (byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3));
        const std::string chunk = png.substr(at, size);
        if (chunk.substr(4, 4) == "eXIf")
            exif = chunk;
        else if (chunk.substr(4, 4) == "IEND")
            others += exif + chunk;
        else
            others += chunk;
        at += size;
    }
    writeFile(path, others);
    const auto before = inspectPicture(path);
    std::string problem;
    ASSERT_TRUE(moveExifBeforeImageData(path, problem)) << problem;
    const auto after = chunkTypes(readFile(path));
    EXPECT_LT(indexOf(after, "eXIf"), indexOf(after, "IDAT"));
    EXPECT_EQ(after.size(), types.size());
    const auto facts = inspectPicture(path);
    ASSERT_TRUE(before && facts);
    EXPECT_DOUBLE_EQ(facts->mean, before->mean);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"late.png"});
}

TEST(PngExifOrder, LeavesWhatIsNoPngAlone) {
    TempFolder folder;
    writeFile(folder / "fake.png", "no PNG here");
    std::string problem;
    EXPECT_FALSE(moveExifBeforeImageData((folder / "fake.png").string(), problem));
    EXPECT_EQ(readFile(folder / "fake.png"), "no PNG here");
}

}  // namespace
}  // namespace quorvel::converter
