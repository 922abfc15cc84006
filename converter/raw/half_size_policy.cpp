#include "raw/half_size_policy.h"

#include <magick/MagickCore.h>

namespace quorvel::converter {

PictureSize resizedSize(const std::string& geometry, PictureSize input) {
    ssize_t x = 0, y = 0;
    std::size_t width = input.width, height = input.height;
    if (ParseMetaGeometry(geometry.c_str(), &x, &y, &width, &height) == NoValue) return input;
    return {width, height};
}

bool halfSizeSuffices(const std::string& geometry, PictureSize full, PictureSize half) {
    if (half.width == 0 || half.height == 0) return false;
    const PictureSize fromFull = resizedSize(geometry, full);
    const auto share = [](std::size_t part, std::size_t whole) {
        return static_cast<double>(part) / static_cast<double>(whole);
    };
    return fromFull == resizedSize(geometry, half) &&
           share(fromFull.width, full.width) <= kHalfSizeShare &&
           share(fromFull.height, full.height) <= kHalfSizeShare;
}

}  // namespace quorvel::converter
