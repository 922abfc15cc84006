#pragma once
// Copies a picture that libheif has converted to interleaved RGB(A), 8 to 16 bits, into
// ImageMagick pixels.
#include <libheif/heif.h>
#include <magick/MagickCore.h>

namespace quorvel::converter {

// The chroma to ask libheif for: RGB or RGBA, 8-bit or 16-bit little-endian words.
heif_chroma interleavedChroma(bool alpha, bool deep);

bool copyInterleavedRgb(const heif_image* decoded, bool alpha, Image* image,
                        ExceptionInfo* exception);

}  // namespace quorvel::converter
