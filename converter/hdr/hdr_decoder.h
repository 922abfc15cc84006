#pragma once
// ImageMagick's reader for Radiance HDR ("HDR:file"), in place of its own: the picture is read
// at full range and tone-mapped to 16-bit sRGB, so every output format holds the same
// display-ready picture instead of linear values clipped at diffuse white.
#include <magick/MagickCore.h>

namespace quorvel::converter {

Image* readRadianceHdr(const ImageInfo* info, ExceptionInfo* exception);

// Puts readRadianceHdr in the place of ImageMagick's HDR decoder. Needs MagickCore started.
void useOwnHdrReader();

}  // namespace quorvel::converter
