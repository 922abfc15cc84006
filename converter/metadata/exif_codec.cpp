#include "metadata/exif_codec.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "metadata/tiff_ifd.h"

namespace quorvel::converter {
namespace {

// Tags whose values are file offsets: meaningless once the block is rewritten.
constexpr std::array<std::uint16_t, 9> kOffsetTags = {0x0111,
                                                      0x0117,
                                                      0x0144,
                                                      0x0145,
                                                      0x014A,
                                                      0x0201,
                                                      0x0202,
                                                      exif_tag::kExifPointer,
                                                      exif_tag::kGpsPointer};

bool isOffsetTag(std::uint16_t tag) {
    return std::find(kOffsetTags.begin(), kOffsetTags.end(), tag) != kOffsetTags.end();
}

std::span<const std::uint8_t> withoutHeader(std::span<const std::uint8_t> block) {
    if (block.size() >= 6 && std::memcmp(block.data(), kExifHeader, 6) == 0)
        return block.subspan(6);
    return block;
}

ExifEntry entryFrom(std::span<const std::uint8_t> bytes, const tiff::IfdEntry& entry,
                    tiff::ByteOrder order) {
    const auto value = bytes.subspan(entry.valueOffset, entry.valueBytes);
    ExifEntry out{entry.tag, entry.type, entry.count, {value.begin(), value.end()}};
    if (order == tiff::ByteOrder::Big) tiff::swapUnits(out.value, out.type);
    return out;
}

void readDirectory(std::span<const std::uint8_t> bytes, std::uint32_t offset,
                   tiff::ByteOrder order, ExifDirectory directory, ExifData& data) {
    const auto ifd = tiff::readIfd(bytes, offset, order);
    if (!ifd) return;
    for (const tiff::IfdEntry& entry : ifd->entries) {
        if (directory == ExifDirectory::Exif && entry.tag == exif_tag::kInteropPointer) continue;
        if (ExifEntry tidy = entryFrom(bytes, entry, order); tidyAscii(tidy))
            data.set(directory, std::move(tidy));
    }
}

std::uint32_t pointerValue(std::span<const std::uint8_t> bytes, const tiff::Ifd& ifd,
                           std::uint16_t tag, tiff::ByteOrder order) {
    const auto* entry = tiff::findEntry(ifd, tag);
    if (!entry) return 0;
    const auto values = tiff::unsignedValues(bytes, *entry, order);
    return values.empty() ? 0 : values[0];
}

std::vector<tiff::OutEntry> outEntries(const ExifData& data, ExifDirectory directory,
                                       tiff::ByteOrder order) {
    std::vector<tiff::OutEntry> entries;
    for (const ExifEntry& entry : data.entries(directory))
        if (directory != ExifDirectory::Primary || !isOffsetTag(entry.tag))
            entries.push_back(toOutEntry(entry, order));
    return entries;
}

}  // namespace

std::optional<ExifData> parseExif(std::span<const std::uint8_t> block) {
    const auto bytes = withoutHeader(block);
    const auto order = tiff::headerOrder(bytes);
    if (!order) return std::nullopt;
    const auto ifd0 = tiff::readIfd(bytes, tiff::read32(bytes, 4, *order).value_or(0), *order);
    if (!ifd0) return std::nullopt;
    ExifData data;
    for (const tiff::IfdEntry& entry : ifd0->entries)
        if (ExifEntry tidy = entryFrom(bytes, entry, *order);
            !isOffsetTag(entry.tag) && tidyAscii(tidy))
            data.set(ExifDirectory::Primary, std::move(tidy));
    const std::uint32_t exifAt = pointerValue(bytes, *ifd0, exif_tag::kExifPointer, *order);
    const std::uint32_t gpsAt = pointerValue(bytes, *ifd0, exif_tag::kGpsPointer, *order);
    if (exifAt) readDirectory(bytes, exifAt, *order, ExifDirectory::Exif, data);
    if (gpsAt) readDirectory(bytes, gpsAt, *order, ExifDirectory::Gps, data);
    return data;
}

tiff::OutEntry toOutEntry(const ExifEntry& entry, tiff::ByteOrder order) {
    tiff::OutEntry out{entry.tag, entry.type, entry.count, entry.value, std::nullopt};
    if (order == tiff::ByteOrder::Big) tiff::swapUnits(out.value, out.type);
    return out;
}

std::vector<std::uint8_t> encodeExif(const ExifData& data, tiff::ByteOrder order) {
    auto primary = outEntries(data, ExifDirectory::Primary, order);
    const auto exif = outEntries(data, ExifDirectory::Exif, order);
    const auto gps = outEntries(data, ExifDirectory::Gps, order);
    // Pointer values are not known yet, but their size is: lay out with placeholders first.
    if (!exif.empty()) primary.push_back(tiff::longEntry(exif_tag::kExifPointer, 0, order));
    if (!gps.empty()) primary.push_back(tiff::longEntry(exif_tag::kGpsPointer, 0, order));
    const auto exifAt = static_cast<std::uint32_t>(8 + tiff::directorySize(primary));
    const auto gpsAt = static_cast<std::uint32_t>(exifAt + tiff::directorySize(exif));
    for (tiff::OutEntry& entry : primary) {
        if (entry.tag == exif_tag::kExifPointer) entry = tiff::longEntry(entry.tag, exifAt, order);
        if (entry.tag == exif_tag::kGpsPointer) entry = tiff::longEntry(entry.tag, gpsAt, order);
    }
    std::vector<std::uint8_t> out;
    if (order == tiff::ByteOrder::Little) {
        out = {'I', 'I', 42, 0};
    } else {
        out = {'M', 'M', 0, 42};
    }
    tiff::append32(out, 8, order);
    tiff::appendDirectory(out, 0, primary, 0, order);
    if (!exif.empty()) tiff::appendDirectory(out, 0, exif, 0, order);
    if (!gps.empty()) tiff::appendDirectory(out, 0, gps, 0, order);
    return out;
}

}  // namespace quorvel::converter
