#pragma once
// The metadata of a HEIF picture that outlives decoding: its EXIF and XMP, and its ICC profile.
#include <libheif/heif.h>

#include <cstdint>
#include <vector>

#include "metadata/photo_metadata.h"

namespace quorvel::converter {

// The TIFF structure of the first Exif item (HEIF puts an offset before it); empty if none.
std::vector<std::uint8_t> heifExif(const heif_image_handle* handle);

// The first XMP packet (a "mime" item of type application/rdf+xml); empty if none.
std::vector<std::uint8_t> heifXmp(const heif_image_handle* handle);

// Both, decoded.
PhotoMetadata heifMetadata(const heif_image_handle* handle);

// The embedded ICC profile, or one built from an nclx colour description
// (colour/nclx_profile); empty when there is neither, or the picture is sRGB anyway.
std::vector<std::uint8_t> heifIccProfile(const heif_image_handle* handle);

}  // namespace quorvel::converter
