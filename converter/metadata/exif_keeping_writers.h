#pragma once
// Wraps ImageMagick 6's writers of two formats so a picture's EXIF reaches the file the way
// readers expect it: its TIFF writer leaves the EXIF out (it is added to the written file), and
// its PNG writer puts the eXIf chunk after the image data (it is moved in front of it).
namespace quorvel::converter {

// Needs MagickCore started. Idempotent.
void keepExifInWrittenFiles();

}  // namespace quorvel::converter
