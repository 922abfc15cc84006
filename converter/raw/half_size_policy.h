#pragma once
// When a raw may be decoded at half size: LibRaw then skips demosaicing and reads each 2x2
// block of sensor cells as one pixel, several times faster. Its colours sit half a cell apart,
// which shows as noise and colour fringes unless the picture is shrunk well below half:
// measured (bench/converter/half_size_threshold.py), a downscale to 0.267 of the raw's width
// stays 41 dB from a full decode on a real DNG, against 34 dB at half. The command's resize
// geometry must give the same output size from the half-size picture as from the full one,
// at most that share of the full size.
#include <cstddef>
#include <string>

namespace quorvel::converter {

// 1600 pixels from a 24-megapixel (6000-pixel) raw still qualify.
inline constexpr double kHalfSizeShare = 0.267;

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
