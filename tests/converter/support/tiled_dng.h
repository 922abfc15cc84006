#pragma once
// A tiled DNG built from the sample synthetic_lossy_256x168.dng (one lossy JPEG tile, the
// whole picture): a picture of 2 x 2 such tiles, their data written after the original bytes,
// then a new main directory, then the TileOffsets and TileByteCounts arrays, at the very end
// of the file, as TIFF writers often place them.
#include <string>

namespace quorvel::converter::testing_support {

// "" when the sample's layout is not the one described.
std::string tiledDngFromSample(const std::string& oneTileDng);

}  // namespace quorvel::converter::testing_support
