#pragma once
// Writes a photo's metadata into a picture file ImageMagick has just written, with exiv2.
#include <string>

#include "metadata/photo_metadata.h"

namespace quorvel::converter {

enum class MetadataFormat { Jpeg, Png, Tiff };

// JPEG: EXIF, XMP and IPTC segments (exiv2 leaves out what does not fit a JPEG segment,
// largest first, rather than cutting the block). TIFF: the tags merged into the file's own
// directory, whose layout tags stay. PNG: the EXIF in an eXIf chunk and the XMP (with the IPTC
// fields in it) in an iTXt chunk, in front of the image data (png_metadata_chunks.h).
// False, with the reason, when the metadata could not be written (the picture stays as it was).
bool writeMetadataInto(const std::string& path, MetadataFormat format,
                       const PhotoMetadata& metadata, std::string& problem);

}  // namespace quorvel::converter
