#pragma once
// Adds this converter's readers to ImageMagick's format list for one run: "LIBRAW" (camera
// raw through LibRaw), "LIBHEIF" (HEIF/HEIC through libheif) and its own Radiance HDR reader
// in place of ImageMagick's; makes its JPEG, PNG and TIFF writers carry the photo's metadata
// (metadata_writers) and its GIF, BMP and PNG writers state the colours as viewers read them
// (colour_writers). Needs MagickCore started; `options` must outlive the run.
#include "raw/raw_decoder.h"

namespace quorvel::converter {

inline constexpr const char* kRawCoder = "LIBRAW";
inline constexpr const char* kHeifCoder = "LIBHEIF";

void registerCoders(const RawDecodeOptions& options);

}  // namespace quorvel::converter
