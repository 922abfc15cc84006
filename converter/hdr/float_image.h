#pragma once
// A display-ready float picture (sRGB-encoded, 0..1) as a 16-bit ImageMagick image.
#include <magick/MagickCore.h>

#include "hdr/rgbe_reader.h"

namespace quorvel::converter {

// nullptr, with the reason in `exception`, when the image cannot be allocated.
Image* imageFromDisplayPicture(const ImageInfo* info, const FloatPicture& picture,
                               ExceptionInfo* exception);

}  // namespace quorvel::converter
