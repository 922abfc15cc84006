#pragma once
// Pictures for formats that almost no viewer colour-manages (GIF, BMP): the pixels are turned
// from the embedded ICC profile's colour space into sRGB (perceptual intent, lcms2) and the
// profile is dropped, so a Display P3 photo keeps its colours instead of looking washed out.
#include <magick/MagickCore.h>

#include <string>

namespace quorvel::converter {

// Nothing to do without an ICC profile. False, with the reason, when the profile is
// unusable; the picture is then left as it is.
bool convertToSrgb(Image* image, std::string& problem);

}  // namespace quorvel::converter
