#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

struct timespec modificationTime(const fs::path& path) {
    struct stat info {};
    EXPECT_EQ(stat(path.c_str(), &info), 0) << path;
    return info.st_mtim;
}

// Albums sorted by file date keep the order the photos were taken in.
TEST_F(ConversionTest, EveryOutputHasTheInputsModificationTime) {
    REQUIRE_SAMPLE("canon_eos_kiss_x4_colorchart.dng");
    const fs::path input = copyOf("canon_eos_kiss_x4_colorchart.dng", "old.dng");
    const struct timespec taken = {1262401445, 250000000};  // 2010-01-02, with a fraction
    const struct timespec times[2] = {taken, taken};
    ASSERT_EQ(utimensat(AT_FDCWD, input.c_str(), times, 0), 0);
    for (const char* name : {"out.JPG", "out.PNG", "out.TIF", "out.GIF", "out.BMP"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(convert(input, name, 100).succeeded());
        const struct timespec written = modificationTime(folder / name);
        EXPECT_EQ(written.tv_sec, taken.tv_sec);
        EXPECT_EQ(written.tv_nsec, taken.tv_nsec);
    }
}

// PNG chunk types in file order.
std::vector<std::string> chunkTypes(const std::string& png) {
    std::vector<std::string> types;
    for (std::size_t at = 8; at + 8 <= png.size();) {
        const auto byte = [&](std::size_t i) { return static_cast<std::uint8_t>(png[at + i]); };
        const std::size_t length = std::size_t{byte(0)} << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
        types.push_back(png.substr(at + 4, 4));
        at += 12 + length;
    }
    return types;
}

// The EXIF goes once, in eXIf before the image data, where readers look for it; no text
// chunks repeat its fields, and none dates the file to its conversion.
TEST_F(ConversionTest, APngCarriesItsExifOnceBeforeTheImageData) {
    REQUIRE_SAMPLE("apple_iphone7.heic");
    ASSERT_TRUE(convert(sample("apple_iphone7.heic"), "out.PNG", 200).succeeded());
    const std::vector<std::string> types = chunkTypes(readFile(folder / "out.PNG"));
    const auto exif = std::find(types.begin(), types.end(), "eXIf");
    const auto data = std::find(types.begin(), types.end(), "IDAT");
    ASSERT_NE(exif, types.end());
    EXPECT_LT(exif, data);
    EXPECT_EQ(std::count(types.begin(), types.end(), "eXIf"), 1);
    for (const char* absent : {"tEXt", "zTXt", "tIME"})
        EXPECT_EQ(std::find(types.begin(), types.end(), absent), types.end()) << absent;
}

}  // namespace
}  // namespace quorvel::converter
