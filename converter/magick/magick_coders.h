#pragma once
// Adds this converter's readers to ImageMagick's format list for one run: "LIBRAW" (camera
// raw through LibRaw), "LIBHEIF" (HEIF/HEIC through libheif) and its own Radiance HDR reader
// in place of ImageMagick's; makes its TIFF and PNG writers keep the picture's EXIF where
// readers find it, its GIF, BMP and PNG writers state the colours as viewers read them
// (colour_writers), and its JPEG writers fit an oversized EXIF. Needs MagickCore started;
// `options` must outlive the run.
#include "raw/raw_decoder.h"

namespace quorvel::converter {

inline constexpr const char* kRawCoder = "LIBRAW";
inline constexpr const char* kHeifCoder = "LIBHEIF";

void registerCoders(const RawDecodeOptions& options);

}  // namespace quorvel::converter
