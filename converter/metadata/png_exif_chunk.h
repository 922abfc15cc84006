#pragma once
// Puts a PNG file's EXIF in its eXIf chunk in front of the image data, where the PNG standard
// wants it and readers look (ImageMagick 6 writes eXIf after the IDAT chunks; exiv2 0.27 writes
// EXIF only as an old-style text chunk). The other chunks are copied as they are (their CRCs
// stay valid) into a new file beside the old one, which then replaces it; any surprise leaves
// the file untouched.
#include <cstdint>
#include <span>
#include <string>

namespace quorvel::converter {

// `tiffStructure` is the EXIF block from its TIFF header on; it replaces any eXIf chunk the file
// had. False, with the reason, when the file is no complete PNG or cannot be rewritten.
bool writeExifBeforeImageData(const std::string& path, std::span<const std::uint8_t> tiffStructure,
                              std::string& problem);

}  // namespace quorvel::converter
