#pragma once
// Radiance RGBE (.hdr) files read at their full floating-point range: ImageMagick's own reader
// clamps to 0..1 in a Q16 build, which blows out everything brighter than diffuse white.
// Flat, new run-length and old run-length scanlines; "-Y H +X W" and its mirrored forms;
// XYZE files are turned into linear RGB with sRGB primaries.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace quorvel::converter {

struct FloatPicture {
    std::size_t width = 0;
    std::size_t height = 0;
    std::vector<float> rgb;  // linear, row by row from the top, three values a pixel
};

struct RgbeHeader {
    std::size_t width = 0;
    std::size_t height = 0;
    bool xyz = false;
    bool flipRows = false;     // "+Y": the file's first scanline is the bottom row
    bool flipColumns = false;  // "-X"
    std::size_t dataOffset = 0;
};

// False, with the reason, when the bytes are no Radiance picture this reader can take.
bool readRgbeHeader(std::span<const std::uint8_t> file, RgbeHeader& header, std::string& problem);
bool readRgbe(std::span<const std::uint8_t> file, FloatPicture& picture, std::string& problem);

}  // namespace quorvel::converter
