#pragma once
// Makes ImageMagick's writers say the picture's colour space the way viewers read it:
// GIF and BMP get sRGB pixels and no profile (srgb_conversion); a PNG with an ICC profile
// gets no cHRM or gAMA chunk beside it, which would contradict the profile (ImageMagick
// writes sRGB primaries there whatever the profile says), and no text chunks that repeat
// the EXIF or carry the conversion's date. Needs MagickCore started; call
// after any other writer wrapping.
namespace quorvel::converter {

void manageColourInWrittenFiles();

}  // namespace quorvel::converter
