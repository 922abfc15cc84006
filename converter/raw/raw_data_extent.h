#pragma once
// Whether a DNG's raw data, as its own strip or tile arrays locate it, lies inside the file.
// LibRaw's own record of the data (an offset and a size) cannot tell: for a raw in several
// strips or tiles, the offset is where the array of offsets sits, which TIFF writers often
// put after the data at the end of the file. Every strip or tile of every full-size raw
// directory is measured instead.
#include <cstdint>
#include <optional>
#include <span>

namespace quorvel::converter {

// true when some raw data is missing (a strip or tile ends past the end of the file, or its
// arrays do not fit in it); false when all of it is there; nullopt for a file that is no DNG
// or has no full-size raw directory, which another check must judge.
std::optional<bool> dngRawDataCutShort(std::span<const std::uint8_t> file);

}  // namespace quorvel::converter
