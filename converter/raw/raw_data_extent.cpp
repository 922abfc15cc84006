#include "raw/raw_data_extent.h"

#include <vector>

#include "tiff/tiff_ifd.h"

namespace quorvel::converter {
namespace {

using tiff::kDngVersion;
using tiff::kNewSubfileType;
constexpr std::uint16_t kStripOffsets = 273;
constexpr std::uint16_t kStripByteCounts = 279;
constexpr std::uint16_t kTileOffsets = 324;
constexpr std::uint16_t kTileByteCounts = 325;

struct Walk {
    std::span<const std::uint8_t> file;
    tiff::ByteOrder order;
    bool isDng = false;
    bool sawRaw = false;
    bool cutShort = false;

    // The entries an IFD declares (readIfd drops those whose values lie past the end).
    bool declares(std::uint32_t offset, std::uint16_t tag) const {
        const auto raw = tiff::readRawDirectory(file, offset, order);
        if (!raw) return false;
        for (const auto& record : raw->records)
            if (record.tag == tag) return true;
        return false;
    }

    void inspect(const tiff::Ifd& ifd, std::uint32_t at) {
        if (tiff::findEntry(ifd, kDngVersion)) isDng = true;
        const auto* type = tiff::findEntry(ifd, kNewSubfileType);
        if (!type || tiff::unsignedValues(file, *type, order) != std::vector<std::uint32_t>{0})
            return;
        const bool tiled = declares(at, kTileOffsets) || declares(at, kTileByteCounts);
        if (!tiled && !declares(at, kStripOffsets) && !declares(at, kStripByteCounts)) return;
        const auto* offsets = tiff::findEntry(ifd, tiled ? kTileOffsets : kStripOffsets);
        const auto* counts = tiff::findEntry(ifd, tiled ? kTileByteCounts : kStripByteCounts);
        if (!offsets || !counts) {
            // Declared but dropped: the arrays themselves lie past the end of the file.
            sawRaw = true;
            cutShort = true;
            return;
        }
        sawRaw = true;
        const auto starts = tiff::unsignedValues(file, *offsets, order);
        const auto sizes = tiff::unsignedValues(file, *counts, order);
        if (starts.empty() || starts.size() != sizes.size()) {
            cutShort = true;
            return;
        }
        for (std::size_t i = 0; i < starts.size(); ++i)
            if (std::uint64_t{starts[i]} + sizes[i] > file.size()) cutShort = true;
    }
};

}  // namespace

std::optional<bool> dngRawDataCutShort(std::span<const std::uint8_t> file) {
    const auto order = tiff::headerOrder(file);
    if (!order) return std::nullopt;
    Walk walk{file, *order};
    tiff::forEachDirectory(file, *order, [&](const tiff::Ifd& ifd, std::uint32_t offset) {
        walk.inspect(ifd, offset);
    });
    if (!walk.isDng || !walk.sawRaw) return std::nullopt;
    return walk.cutShort;
}

}  // namespace quorvel::converter
