#include "tiff/tiff_probe.h"

#include <array>
#include <utility>
#include <vector>

#include "tiff/tiff_ifd.h"

namespace quorvel::converter {
namespace {

using tiff::kDngVersion;
using tiff::kNewSubfileType;
constexpr std::uint16_t kCompression = 259;

struct Walk {
    std::span<const std::uint8_t> file;
    tiff::ByteOrder order;
    RawTiffFacts facts;

    void inspect(const tiff::Ifd& ifd) {
        if (tiff::findEntry(ifd, kDngVersion)) facts.isDng = true;
        const auto* type = tiff::findEntry(ifd, kNewSubfileType);
        const auto* compression = tiff::findEntry(ifd, kCompression);
        // Only an explicit "full-size image" counts: a first directory without the tag is
        // often a preview (CR2, NEF).
        const bool fullSize =
            type && tiff::unsignedValues(file, *type, order) == std::vector<std::uint32_t>{0};
        if (fullSize && compression && !facts.rawCompression) {
            const auto values = tiff::unsignedValues(file, *compression, order);
            if (!values.empty()) facts.rawCompression = static_cast<std::uint16_t>(values[0]);
        }
    }
};

}  // namespace

std::optional<RawTiffFacts> probeRawTiff(std::span<const std::uint8_t> file) {
    const auto order = tiff::headerOrder(file);
    if (!order) return std::nullopt;
    Walk walk{file, *order, {}};
    tiff::forEachDirectory(file, *order,
                           [&](const tiff::Ifd& ifd, std::uint32_t) { walk.inspect(ifd); });
    return walk.facts;
}

std::string compressionName(std::uint16_t compression) {
    static constexpr std::array<std::pair<std::uint16_t, const char*>, 7> kNames = {{
        {1, "uncompressed"},
        {7, "lossless JPEG"},
        {8, "Deflate"},
        {34892, "lossy JPEG"},
        {34713, "Nikon NEF compression"},
        {52546, "JPEG XL"},
        {65000, "Kodak DCR"},
    }};
    for (const auto& [value, name] : kNames)
        if (value == compression) return name;
    return "compression " + std::to_string(compression);
}

}  // namespace quorvel::converter
