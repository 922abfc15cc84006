#pragma once
// Wraps ImageMagick 6's JPEG, PNG and TIFF writers so that the photo's metadata reaches the
// written file whole and right for it: ImageMagick alone drops EXIF from TIFF, writes PNG's
// eXIf after the image data beside dozens of duplicate text chunks, cuts EXIF too large for
// a JPEG segment, and keeps the source's orientation and sizes. Here ImageMagick writes the
// pixels and the colour profile, and exiv2 the metadata (see metadata_file_writer.h).
namespace quorvel::converter {

// Needs MagickCore started. Idempotent.
void writeMetadataWithPictures();

}  // namespace quorvel::converter
