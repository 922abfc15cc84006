#include "tiled_dng.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "tiff/tiff_ifd.h"

namespace quorvel::converter::testing_support {
namespace {

using namespace quorvel::converter::tiff;

constexpr std::uint32_t kAcross = 2, kDown = 2;

std::vector<std::uint32_t> valuesOf(std::span<const std::uint8_t> file, const Ifd& ifd,
                                    std::uint16_t tag) {
    const IfdEntry* entry = findEntry(ifd, tag);
    return entry ? unsignedValues(file, *entry, ByteOrder::Little) : std::vector<std::uint32_t>{};
}

RawRecord longRecord(std::uint16_t tag, std::uint32_t count, std::uint32_t value) {
    RawRecord record{tag, Long, count, {}};
    for (int i = 0; i < 4; ++i) record.field[i] = static_cast<std::uint8_t>(value >> (8 * i));
    return record;
}

}  // namespace

std::string tiledDngFromSample(const std::string& oneTileDng) {
    std::vector<std::uint8_t> file(oneTileDng.begin(), oneTileDng.end());
    const std::span<const std::uint8_t> bytes(file);
    if (headerOrder(bytes) != ByteOrder::Little) return {};
    const std::uint32_t mainOffset = *read32(bytes, 4, ByteOrder::Little);
    const auto ifd = readIfd(bytes, mainOffset, ByteOrder::Little);
    const auto raw = readRawDirectory(bytes, mainOffset, ByteOrder::Little);
    if (!ifd || !raw) return {};
    const auto width = valuesOf(bytes, *ifd, 256), height = valuesOf(bytes, *ifd, 257);
    const auto tileWidth = valuesOf(bytes, *ifd, 322), tileHeight = valuesOf(bytes, *ifd, 323);
    const auto offsets = valuesOf(bytes, *ifd, 324), counts = valuesOf(bytes, *ifd, 325);
    if (width.size() != 1 || height.size() != 1 || width != tileWidth || height != tileHeight ||
        offsets.size() != 1 || counts.size() != 1 ||
        std::uint64_t{offsets[0]} + counts[0] > file.size())
        return {};

    const std::vector<std::uint8_t> tile(file.begin() + offsets[0],
                                         file.begin() + offsets[0] + counts[0]);
    std::vector<std::uint32_t> tileOffsets;
    for (std::uint32_t i = 0; i < kAcross * kDown; ++i) {
        if (file.size() % 2) file.push_back(0);
        tileOffsets.push_back(static_cast<std::uint32_t>(file.size()));
        file.insert(file.end(), tile.begin(), tile.end());
    }

    std::vector<RawRecord> records;
    for (const RawRecord& record : raw->records)
        if (record.tag != 256 && record.tag != 257 && record.tag != 273 && record.tag != 278 &&
            record.tag != 279 && record.tag != 324 && record.tag != 325)
            records.push_back(record);
    const auto tileCount = static_cast<std::uint32_t>(tileOffsets.size());
    if (file.size() % 2) file.push_back(0);
    const auto directory = static_cast<std::uint32_t>(file.size());
    const auto directoryBytes = static_cast<std::uint32_t>(2 + 12 * (records.size() + 4) + 4);
    const std::uint32_t arraysAt = directory + directoryBytes;
    records.push_back(longRecord(256, 1, width[0] * kAcross));
    records.push_back(longRecord(257, 1, height[0] * kDown));
    records.push_back(longRecord(324, tileCount, arraysAt));
    records.push_back(longRecord(325, tileCount, arraysAt + 4 * tileCount));
    std::sort(records.begin(), records.end(),
              [](const RawRecord& a, const RawRecord& b) { return a.tag < b.tag; });

    append16(file, static_cast<std::uint16_t>(records.size()), ByteOrder::Little);
    for (const RawRecord& record : records) {
        append16(file, record.tag, ByteOrder::Little);
        append16(file, record.type, ByteOrder::Little);
        append32(file, record.count, ByteOrder::Little);
        file.insert(file.end(), record.field.begin(), record.field.end());
    }
    append32(file, raw->nextOffset, ByteOrder::Little);
    for (std::uint32_t offset : tileOffsets) append32(file, offset, ByteOrder::Little);
    for (std::uint32_t i = 0; i < tileCount; ++i) append32(file, counts[0], ByteOrder::Little);
    for (int i = 0; i < 4; ++i) file[4 + i] = static_cast<std::uint8_t>(directory >> (8 * i));
    return std::string(file.begin(), file.end());
}

}  // namespace quorvel::converter::testing_support
