#pragma once
// An ICC profile equivalent to a HEIF's nclx colour description (primaries, white point and
// transfer curve as numbers), so outputs tell viewers the colour space as an embedded ICC
// profile would: a Display P3 picture without it is shown as sRGB, duller than it is.
#include <cstdint>
#include <vector>

#include <libheif/heif.h>

namespace quorvel::converter {

enum class NclxTransfer { Display, Pq, Hlg };

// Whether the picture's values are display-referred or HDR (PQ, HLG), which need tone mapping.
NclxTransfer nclxTransfer(const heif_color_profile_nclx& nclx);

// The profile's bytes; empty when the description is sRGB anyway (BT.709 primaries with a
// display transfer curve, or nothing specified), or when lcms2 cannot build it.
std::vector<std::uint8_t> iccFromNclx(const heif_color_profile_nclx& nclx);

}  // namespace quorvel::converter
