#include <gtest/gtest.h>
#include <libheif/heif.h>
#include <magick/MagickCore.h>

#include "conversion_fixture.h"
#include "converter_contract.h"
#include "heif_bomb.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string pngChunk(const std::string& type, const std::string& data);

// A PNG header declaring a picture of this size, with a token of pixel data.
std::string pngHeader(std::uint32_t width, std::uint32_t height);

// The picture size libheif reads from a file's primary image.
std::pair<int, int> heifPrimarySize(const fs::path& path) {
    heif_context* context = heif_context_alloc();
    std::pair<int, int> size{0, 0};
    heif_image_handle* handle = nullptr;
    if (heif_context_read_from_file(context, path.c_str(), nullptr).code == heif_error_Ok &&
        heif_context_get_primary_image_handle(context, &handle).code == heif_error_Ok) {
        size = {heif_image_handle_get_width(handle), heif_image_handle_get_height(handle)};
        heif_image_handle_release(handle);
    }
    heif_context_free(context);
    return size;
}

std::pair<std::size_t, std::size_t> pingedSize(const fs::path& path) {
    ImageInfo* info = AcquireImageInfo();
    ExceptionInfo* exception = AcquireExceptionInfo();
    CopyMagickString(info->filename, path.c_str(), MaxTextExtent);
    Image* image = PingImage(info, exception);
    std::pair<std::size_t, std::size_t> size{0, 0};
    if (image) {
        size = {image->columns, image->rows};
        DestroyImageList(image);
    }
    DestroyExceptionInfo(exception);
    DestroyImageInfo(info);
    return size;
}

void expectRefusedAsTooLarge(const ConverterRun& run, const fs::path& input,
                             const std::string& size) {
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::InputError)) << run.errors;
    EXPECT_EQ(run.errors.find('\n'), run.errors.size() - 1) << run.errors;
    EXPECT_NE(run.errors.find("`" + input.string() + "' is " + size +
                              " pixels, larger than this converter handles ("),
              std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find(" megapixels)"), std::string::npos) << run.errors;
}

// 15 x 15 cells, each the same 2048 x 2048 tile: a 943-megapixel picture in a few KB.
TEST_F(ConversionTest, AHeifGridBombIsRefusedBeforeDecoding) {
    const std::string bomb = heifGridBomb(2048, 15, 15);
    if (bomb.empty()) GTEST_SKIP() << "libheif has no HEVC encoder here";
    EXPECT_LT(bomb.size(), 8000u);
    const fs::path input = inputs / "bomb.heic";
    writeFile(input, bomb);
    ASSERT_EQ(heifPrimarySize(input), (std::pair<int, int>{30720, 30720}))
        << "not a well-formed grid";
    RunOptions options;
    options.timeLimit = 120s;  // far beyond the refusal; decoding would take minutes
    const ConverterRun run = runConverter(
        {"-quality", "85%", input.string(), "-resize", "1600", (folder / "bomb.JPG").string()},
        options);
    expectRefusedAsTooLarge(run, input, "30720x30720");
    expectFolderHolds({});
}

TEST_F(ConversionTest, AHeaderClaimingAHugePictureIsRefusedBeforeDecoding) {
    const fs::path input = inputs / "huge.png";
    writeFile(input, pngHeader(60000, 60000));
    const ConverterRun run = runConverter({input.string(), (folder / "huge.JPG").string()});
    expectRefusedAsTooLarge(run, input, "60000x60000");
    expectFolderHolds({});
}

// The system's ImageMagick policy (16000 pixels at most on Debian) does not decide.
TEST_F(ConversionTest, ATwoHundredMegapixelPhotoConverts) {
    REQUIRE_SAMPLE("grid_200mp_12240x16320.heic");
    RunOptions options;
    options.timeLimit = 600s;
    for (const bool resize : {true, false}) {
        SCOPED_TRACE(resize ? "resized" : "full size");
        std::vector<std::string> arguments = {"-quality", "85%",
                                              sample("grid_200mp_12240x16320.heic").string()};
        if (resize) arguments.insert(arguments.end(), {"-resize", "1600"});
        arguments.push_back((folder / "big.JPG").string());
        const ConverterRun run = runConverter(arguments, options);
        ASSERT_EQ(run.exitCode, 0) << run.errors;
        // This test's own ImageMagick keeps the system's limits: it only pings the result.
        EXPECT_EQ(pingedSize(folder / "big.JPG"),
                  (resize ? std::pair<std::size_t, std::size_t>{1600, 2133}
                          : std::pair<std::size_t, std::size_t>{12240, 16320}));
        expectFolderHolds({"big.JPG"});
        fs::remove(folder / "big.JPG");
    }
}

std::uint32_t crc32(const std::string& bytes) {
    std::uint32_t crc = 0xFFFFFFFF;
    for (unsigned char byte : bytes) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1)));
    }
    return ~crc;
}

std::string big32(std::uint32_t value) {
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

std::string pngChunk(const std::string& type, const std::string& data) {
    return big32(static_cast<std::uint32_t>(data.size())) + type + data +
           big32(crc32(type + data));
}

std::string pngHeader(std::uint32_t width, std::uint32_t height) {
    const std::string header = big32(width) + big32(height) + std::string("\x08\x02\0\0\0", 5);
    // A stored (uncompressed) zlib block of a few zero bytes.
    const std::string idat("\x78\x01\x01\x04\x00\xfb\xff\0\0\0\0\0\x04\0\x01", 15);
    return std::string("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", idat) + pngChunk("IEND", "");
}

}  // namespace
}  // namespace quorvel::converter
