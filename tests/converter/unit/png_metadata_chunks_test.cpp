#include "metadata/png_metadata_chunks.h"

#include <gtest/gtest.h>
#include <magick/MagickCore.h>

#include "magick/magick_image.h"
#include "metadata/photo_metadata.h"
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
    PhotoMetadata metadata;
    metadata.exif["Exif.Image.Make"] = std::string("Canon");
    attachMetadata(image, metadata);
    CopyMagickString(image->filename, ("PNG:" + path.string()).c_str(), MaxTextExtent);
    EXPECT_TRUE(WriteImage(info, image));
    DestroyImage(image);
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
}

std::ptrdiff_t countOf(const std::vector<std::string>& types, const std::string& type) {
    return std::count(types.begin(), types.end(), type);
}

// Through the wrapped writer: one eXIf, in front of the data, and none of ImageMagick's own
// text chunks (its dates, its copies of the EXIF values).
TEST(PngMetadataChunks, TheWriterPutsExifInFrontOfTheImageDataOnce) {
    TempFolder folder;
    const auto path = folder / "picture.png";
    writePngWithExif(path);
    const auto written = chunkTypes(readFile(path));
    EXPECT_LT(indexOf(written, "eXIf"), indexOf(written, "IDAT"));
    EXPECT_EQ(countOf(written, "eXIf"), 1);
    EXPECT_EQ(countOf(written, "tEXt") + countOf(written, "zTXt"), 0);
}

// A file with eXIf behind IDAT, as ImageMagick's own writer leaves it: the new EXIF replaces it,
// and the XMP joins it in front of the data.
TEST(PngMetadataChunks, ReplacesAnExifChunkBehindTheDataAndAddsXmp) {
    TempFolder folder;
    const auto path = folder / "late.png";
    writePngWithExif(path);
    std::string png = readFile(path);
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
    const std::vector<std::uint8_t> block = {'I', 'I', 42, 0, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::string problem;
    const std::string xmp = "<x:xmpmeta xmlns:x='adobe:ns:meta/'/>";
    ASSERT_TRUE(writePngMetadata(path.string(), block, xmp, problem)) << problem;
    ASSERT_TRUE(writePngMetadata(path.string(), block, xmp, problem)) << "again: " << problem;
    const std::string after = readFile(path);
    const auto types = chunkTypes(after);
    EXPECT_LT(indexOf(types, "eXIf"), indexOf(types, "IDAT"));
    EXPECT_LT(indexOf(types, "iTXt"), indexOf(types, "IDAT"));
    EXPECT_EQ(countOf(types, "eXIf"), 1);
    EXPECT_EQ(countOf(types, "iTXt"), 1) << "the second write replaced the first";
    EXPECT_NE(after.find(std::string("XML:com.adobe.xmp\0\0\0\0\0", 22) + xmp), std::string::npos);
    EXPECT_NE(after.find(std::string(block.begin(), block.end())), std::string::npos);
    const auto facts = inspectPicture(path);
    ASSERT_TRUE(before && facts);
    EXPECT_DOUBLE_EQ(facts->mean, before->mean);
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"late.png"});
}

TEST(PngMetadataChunks, LeavesWhatIsNoPngAlone) {
    TempFolder folder;
    writeFile(folder / "fake.png", "no PNG here");
    const std::vector<std::uint8_t> block = {'I', 'I', 42, 0};
    std::string problem;
    EXPECT_FALSE(writePngMetadata((folder / "fake.png").string(), block, "", problem));
    EXPECT_EQ(readFile(folder / "fake.png"), "no PNG here");
}

}  // namespace
}  // namespace quorvel::converter
