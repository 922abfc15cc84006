#pragma once
// exiv2, the library that reads and writes the photo's metadata (EXIF with maker notes, XMP,
// IPTC) in every format the converter meets: started once, quiet, and behind owning pointers.
#include <cstdint>
#include <exiv2/exiv2.hpp>
#include <memory>
#include <span>
#include <string>

namespace quorvel::converter {

// Idempotent. Mutes exiv2's own messages: the converter's stderr carries only its own lines.
void startExiv2();

// The file or bytes opened and their metadata read; nullptr when exiv2 does not know the format
// or the metadata cannot be read (a photo without readable metadata is still converted).
std::unique_ptr<Exiv2::Image> openMetadata(const std::string& path);
std::unique_ptr<Exiv2::Image> openMetadata(std::span<const std::uint8_t> bytes);

}  // namespace quorvel::converter
