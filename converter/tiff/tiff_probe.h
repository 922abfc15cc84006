#pragma once
// What a TIFF-based raw file says about itself before any decoder looks at it: whether it is
// a DNG, and how its main raw image is compressed. Used to explain why a file cannot be
// decoded (a DNG whose raw data is JPEG XL compressed, say) in plain words.
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace quorvel::converter {

struct RawTiffFacts {
    bool isDng = false;
    std::optional<std::uint16_t> rawCompression;  // TIFF Compression of the full-size raw
};

// nullopt when the bytes are no TIFF structure.
std::optional<RawTiffFacts> probeRawTiff(std::span<const std::uint8_t> file);

// "JPEG XL", "lossy JPEG", ...; a number for compressions without a common name.
std::string compressionName(std::uint16_t compression);

}  // namespace quorvel::converter
