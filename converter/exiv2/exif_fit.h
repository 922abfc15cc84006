#pragma once
// EXIF that does not fit a JPEG's one APP1 segment (64 KB; some phones write 192 KB, most of
// it maker note and preview) is made to fit by leaving out, in this order, the thumbnail,
// single tags over 4 KB, and the maker note, rather than being cut at the limit, which
// leaves a broken structure behind. Camera, date, exposure, lens and GPS stay.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace quorvel::converter {

// The largest "exif" profile ("Exif\0\0" and the TIFF structure) a JPEG segment holds.
inline constexpr std::size_t kJpegExifLimit = 65533;

// The profile, fitted; the profile unchanged when it fits already; empty when even the
// essential tags do not fit or exiv2 cannot read it.
std::vector<std::uint8_t> fitExifIntoJpeg(std::span<const std::uint8_t> profile);

}  // namespace quorvel::converter
