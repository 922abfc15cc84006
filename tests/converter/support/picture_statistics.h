#pragma once
// How a converted picture looks to a viewer, from its 8-bit values: the share of clipped
// pixels (any channel at 255) and the mean Rec. 709 luma of the encoded values, 0..255.
#include <filesystem>
#include <optional>

namespace quorvel::converter::testing_support {

struct PictureStatistics {
    double clippedShare = 0;  // 0..1
    double meanLuma = 0;      // 0..255
};

// nullopt when ImageMagick cannot read the file.
std::optional<PictureStatistics> pictureStatistics(const std::filesystem::path& path);

}  // namespace quorvel::converter::testing_support
