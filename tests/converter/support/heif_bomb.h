#pragma once
// A decompression bomb in HEIF form, built the way such files are: one small coded tile, and
// a grid whose every cell points at that same tile, declaring a picture of rows x columns
// tiles. The file is a few kilobytes; a decoder that believes it needs gigabytes. The tile is
// a real HEVC picture (encoded here with libheif), so the file decodes if nothing refuses it.
#include <cstddef>
#include <string>

namespace quorvel::converter::testing_support {

// The file's bytes; "" when libheif has no HEVC encoder here.
std::string heifGridBomb(std::size_t tileSize, std::size_t rows, std::size_t columns);

}  // namespace quorvel::converter::testing_support
