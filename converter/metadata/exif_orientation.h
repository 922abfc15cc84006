#pragma once
// Sets the Orientation tag of an EXIF block to 1 ("upright") in place, once a decoder has
// turned the pixels upright itself; a viewer would otherwise rotate them a second time. The
// rest of the block stays byte for byte as it was (maker notes included).
#include <cstdint>
#include <span>

namespace quorvel::converter {

// `tiffStructure` starts at the TIFF header. False when there is no tag to reset.
bool resetExifOrientation(std::span<std::uint8_t> tiffStructure);

}  // namespace quorvel::converter
