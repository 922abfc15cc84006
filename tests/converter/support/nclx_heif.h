#pragma once
// A small HEIF whose colour space is declared only by an nclx box (as cameras and phones
// write it), encoded with libheif: 64x64 with bands of saturated red, green, blue and grey.
#include <filesystem>
#include <string>

namespace quorvel::converter::testing_support {

// "" on success, else libheif's message.
std::string writeNclxHeif(const std::filesystem::path& path, int primaries, int transfer);

}  // namespace quorvel::converter::testing_support
