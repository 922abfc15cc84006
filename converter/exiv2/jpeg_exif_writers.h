#pragma once
// Makes ImageMagick's JPEG writers fit an oversized EXIF into its segment (exif_fit) instead
// of cutting it. Needs MagickCore started.
namespace quorvel::converter {

void fitExifInWrittenJpegs();

}  // namespace quorvel::converter
