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
    return fromFull == resizedSize(geometry, half) && fromFull.width <= half.width &&
           fromFull.height <= half.height;
}

}  // namespace quorvel::converter
