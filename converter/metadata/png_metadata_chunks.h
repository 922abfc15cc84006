#pragma once
// Puts a photo's EXIF and XMP into a PNG file in front of its image data, where the PNG standard
// wants them and readers look: the EXIF in an eXIf chunk, the XMP in an iTXt chunk with Adobe's
// keyword. ImageMagick 6 writes eXIf after the IDAT chunks, and exiv2 0.27 writes EXIF only as an
// old-style text chunk and drops the ICC profile when it rewrites a PNG. The other chunks are
// copied as they are (their CRCs stay valid) into a new file beside the old one, which then
// replaces it; any surprise leaves the file untouched.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace quorvel::converter {

// `exif` is the EXIF block from its TIFF header on, `xmp` an XMP packet; an empty one adds
// nothing. Both replace any eXIf chunk or XMP text chunk the file had. False, with the reason,
// when the file is no complete PNG or cannot be rewritten.
bool writePngMetadata(const std::string& path, std::span<const std::uint8_t> exif,
                      std::string_view xmp, std::string& problem);

}  // namespace quorvel::converter
