#include "metadata/exif_orientation.h"

#include "metadata/exif_data.h"
#include "metadata/tiff_ifd.h"

namespace quorvel::converter {

bool resetExifOrientation(std::span<std::uint8_t> tiffStructure) {
    const auto order = tiff::headerOrder(tiffStructure);
    if (!order) return false;
    const auto ifd0 =
        tiff::readIfd(tiffStructure, tiff::read32(tiffStructure, 4, *order).value_or(0), *order);
    const tiff::IfdEntry* entry = ifd0 ? tiff::findEntry(*ifd0, exif_tag::kOrientation) : nullptr;
    if (!entry || entry->type != tiff::Short) return false;
    std::vector<std::uint8_t> upright;
    tiff::append16(upright, 1, *order);
    tiffStructure[entry->valueOffset] = upright[0];
    tiffStructure[entry->valueOffset + 1] = upright[1];
    return true;
}

}  // namespace quorvel::converter
