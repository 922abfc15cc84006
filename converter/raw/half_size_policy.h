#pragma once
// When a raw may be decoded at half size: LibRaw then skips demosaicing and reads each 2x2
// block of sensor cells as one pixel, several times faster, and after a downscale to at most
// half the width the result cannot be told apart. The test is exact: the command's resize
// geometry must give the same output size from the half-size picture as from the full one,
// and must not enlarge the half-size picture.
#include <cstddef>
#include <string>

namespace quorvel::converter {

struct PictureSize {
    std::size_t width = 0;
    std::size_t height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The size ImageMagick's -resize or -thumbnail gives `input` for `geometry`.
// Needs MagickCore started.
PictureSize resizedSize(const std::string& geometry, PictureSize input);

bool halfSizeSuffices(const std::string& geometry, PictureSize full, PictureSize half);

}  // namespace quorvel::converter
