#pragma once
// ImageMagick 6's TIFF writer leaves a picture's EXIF out. This wraps the writer of the TIFF
// formats so the file it has written gets the picture's "exif" profile added (capture date,
// camera, lens, exposure, GPS), as JPEG and PNG outputs carry it.
namespace quorvel::converter {

// Needs MagickCore started. Idempotent.
void keepExifInTiffOutputs();

}  // namespace quorvel::converter
