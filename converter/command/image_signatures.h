#pragma once
// Recognises the common picture formats that are certainly not camera raw by their first
// bytes, and names them the way ImageMagick does. TIFF is not among them: most raw formats are
// TIFF inside, so a TIFF needs a closer look (input_probe).
#include <cstdint>
#include <span>
#include <string>

namespace quorvel::converter {

// ImageMagick's format name ("JPEG", "PNG", "HDR"...) or "" when the bytes match none.
std::string nonRawImageFormat(std::span<const std::uint8_t> head);

}  // namespace quorvel::converter
