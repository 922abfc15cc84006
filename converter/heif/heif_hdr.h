#pragma once
// HEIFs whose nclx box declares an HDR transfer (PQ or HLG, from phones and cameras in HDR
// mode): read as scene light and tone-mapped to display values like Radiance HDR files
// (hdr/tone_map), so they are not shown flat and dark. The values keep the file's primaries;
// the profile built from the nclx box (colour/nclx_profile) describes them with the sRGB curve.
#include <magick/MagickCore.h>
#include <libheif/heif.h>

#include <string>

namespace quorvel::converter {

bool hasHdrTransfer(const heif_image_handle* handle);

// nullptr, with the reason in `exception`, when the picture cannot be decoded.
Image* readHdrHeif(const heif_image_handle* handle, const ImageInfo* info,
                   const std::string& path, ExceptionInfo* exception);

}  // namespace quorvel::converter
