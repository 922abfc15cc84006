#pragma once
// Reading and writing EXIF blocks: the TIFF structure that JPEG's APP1 segment, PNG's eXIf
// chunk and HEIF's Exif item carry (optionally behind an "Exif\0\0" header).
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "metadata/exif_data.h"
#include "metadata/tiff_bytes.h"
#include "metadata/tiff_layout.h"

namespace quorvel::converter {

// Reads the main, Exif and GPS directories; nullopt when the block holds no TIFF structure.
// Tags of other directories (the thumbnail's IFD1, interoperability) are left out.
std::optional<ExifData> parseExif(std::span<const std::uint8_t> block);

// A TIFF-structured block in the given byte order, without the "Exif\0\0" header.
std::vector<std::uint8_t> encodeExif(const ExifData& data, tiff::ByteOrder order);

// The "Exif\0\0" header that JPEG's APP1 segment and ImageMagick's "exif" profile carry.
inline constexpr std::uint8_t kExifHeader[6] = {'E', 'x', 'i', 'f', 0, 0};

// One entry made ready for a directory in the given byte order.
tiff::OutEntry toOutEntry(const ExifEntry& entry, tiff::ByteOrder order);

}  // namespace quorvel::converter
