#include "tiff/tiff_ifd.h"

#include <algorithm>

namespace quorvel::converter::tiff {
namespace {

std::optional<IfdEntry> readEntry(std::span<const std::uint8_t> bytes, std::size_t at,
                                  ByteOrder order) {
    IfdEntry entry;
    entry.entryOffset = at;
    entry.tag = read16(bytes, at, order).value_or(0);
    entry.type = read16(bytes, at + 2, order).value_or(0);
    entry.count = read32(bytes, at + 4, order).value_or(0);
    const std::uint64_t size = std::uint64_t{valueSize(entry.type)} * entry.count;
    if (size == 0 || size > bytes.size()) return std::nullopt;
    entry.valueBytes = static_cast<std::size_t>(size);
    entry.valueOffset = size <= 4 ? at + 8 : read32(bytes, at + 8, order).value_or(0);
    if (entry.valueOffset > bytes.size() - entry.valueBytes) return std::nullopt;
    return entry;
}

}  // namespace

std::optional<Ifd> readIfd(std::span<const std::uint8_t> bytes, std::size_t offset,
                           ByteOrder order) {
    const auto count = read16(bytes, offset, order);
    if (!count || *count > kMaxIfdEntries) return std::nullopt;
    const std::size_t tableEnd = offset + 2 + std::size_t{12} * *count;
    if (tableEnd > bytes.size()) return std::nullopt;
    Ifd ifd;
    for (std::size_t i = 0; i < *count; ++i)
        if (auto entry = readEntry(bytes, offset + 2 + 12 * i, order))
            ifd.entries.push_back(*entry);
    ifd.nextOffset = read32(bytes, tableEnd, order).value_or(0);
    return ifd;
}

const IfdEntry* findEntry(const Ifd& ifd, std::uint16_t tag) {
    const auto it = std::find_if(ifd.entries.begin(), ifd.entries.end(),
                                 [tag](const IfdEntry& e) { return e.tag == tag; });
    return it == ifd.entries.end() ? nullptr : &*it;
}

std::vector<std::uint32_t> unsignedValues(std::span<const std::uint8_t> bytes,
                                          const IfdEntry& entry, ByteOrder order) {
    std::vector<std::uint32_t> values;
    const std::size_t size = valueSize(entry.type);
    for (std::size_t i = 0; i < entry.count; ++i) {
        const std::size_t at = entry.valueOffset + i * size;
        if (entry.type == Byte) {
            values.push_back(bytes[at]);
        } else if (entry.type == Short) {
            values.push_back(read16(bytes, at, order).value_or(0));
        } else if (entry.type == Long || entry.type == IfdPointer) {
            values.push_back(read32(bytes, at, order).value_or(0));
        } else {
            break;
        }
    }
    return values;
}

namespace {

constexpr std::size_t kMaxDirectories = 64;

void visitChain(std::span<const std::uint8_t> bytes, ByteOrder order, std::uint32_t offset,
                bool followNext, std::size_t& visited,
                const std::function<void(const Ifd&, std::uint32_t)>& visit) {
    while (offset != 0 && visited++ < kMaxDirectories) {
        const auto ifd = readIfd(bytes, offset, order);
        if (!ifd) return;
        visit(*ifd, offset);
        if (const auto* sub = findEntry(*ifd, kSubIfds))
            for (std::uint32_t child : unsignedValues(bytes, *sub, order))
                visitChain(bytes, order, child, false, visited, visit);
        offset = followNext ? ifd->nextOffset : 0;
    }
}

}  // namespace

void forEachDirectory(std::span<const std::uint8_t> bytes, ByteOrder order,
                      const std::function<void(const Ifd&, std::uint32_t)>& visit) {
    std::size_t visited = 0;
    visitChain(bytes, order, read32(bytes, 4, order).value_or(0), true, visited, visit);
}

}  // namespace quorvel::converter::tiff

namespace quorvel::converter::tiff {

std::optional<RawDirectory> readRawDirectory(std::span<const std::uint8_t> bytes,
                                             std::size_t offset, ByteOrder order) {
    const auto count = read16(bytes, offset, order);
    if (!count || *count > kMaxIfdEntries) return std::nullopt;
    const std::size_t tableEnd = offset + 2 + std::size_t{12} * *count;
    if (tableEnd + 4 > bytes.size()) return std::nullopt;
    RawDirectory directory;
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t at = offset + 2 + 12 * i;
        RawRecord record;
        record.tag = *read16(bytes, at, order);
        record.type = *read16(bytes, at + 2, order);
        record.count = *read32(bytes, at + 4, order);
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at + 8), 4, record.field.begin());
        directory.records.push_back(record);
    }
    directory.nextOffset = *read32(bytes, tableEnd, order);
    return directory;
}

}  // namespace quorvel::converter::tiff
