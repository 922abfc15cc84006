#pragma once
// What a converted file holds, read back with ImageMagick: its format by content, size, pixel
// statistics (a black or flat picture has a tiny standard deviation) and orientation.
#include <filesystem>
#include <optional>
#include <string>

namespace quorvel::converter::testing_support {

struct PictureFacts {
    std::string format;  // ImageMagick's name for the content: "JPEG", "PNG", "TIFF"...
    std::size_t width = 0, height = 0;
    double mean = 0;       // 0..1 over all colour channels
    double deviation = 0;  // 0..1
    std::size_t depth = 0;

    // The EXIF Orientation as ImageMagick reports it ("1", "6"); "" when absent.
    std::string exifOrientation;
};

// nullopt when ImageMagick cannot read the file.
std::optional<PictureFacts> inspectPicture(const std::filesystem::path& path);

}  // namespace quorvel::converter::testing_support
