#pragma once
// Scene-referred linear RGB (HDR files, PQ and HLG pictures) mapped to display-referred sRGB
// with a global operator that needs no setting: Reinhard's photographic curve with its key
// taken from the picture's log-average luminance and its white point from the brightest
// highlights, applied to luminance so colours keep their hue; a colour still too saturated
// to fit is moved towards grey at the same luminance instead of being clipped channel by
// channel. The result is sRGB-encoded, every value in 0..1.
#include "hdr/rgbe_reader.h"

namespace quorvel::converter {

struct ToneMapping {
    double logAverage = 0;  // of the luminance, as read
    double key = 0;         // the middle grey the log average is mapped to
    double white = 0;       // scaled luminance that maps to display white
};

// The mapping that suits the picture.
ToneMapping chooseToneMapping(const FloatPicture& picture);

// Maps `picture` in place.
void toneMapToSrgb(FloatPicture& picture, const ToneMapping& mapping);

// The sRGB transfer curve, linear 0..1 to encoded 0..1.
float srgbEncode(float linear);

}  // namespace quorvel::converter
