#pragma once
// Reading TIFF image file directories (IFDs) out of a byte span, with every offset checked
// against the span: a damaged file yields fewer entries, never a read out of bounds.
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "tiff/tiff_bytes.h"

namespace quorvel::converter::tiff {

struct IfdEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::size_t entryOffset = 0;  // the 12-byte record
    std::size_t valueOffset = 0;  // the value: inside the record when it fits in 4 bytes
    std::size_t valueBytes = 0;
};

struct Ifd {
    std::vector<IfdEntry> entries;  // only entries whose value lies inside the span
    std::uint32_t nextOffset = 0;
};

// Directories hold at most this many entries here; more means the file is damaged.
inline constexpr std::size_t kMaxIfdEntries = 1024;

std::optional<Ifd> readIfd(std::span<const std::uint8_t> bytes, std::size_t offset,
                           ByteOrder order);

const IfdEntry* findEntry(const Ifd& ifd, std::uint16_t tag);

// The entry's values as unsigned integers (BYTE, SHORT, LONG, IFD); empty for other types.
std::vector<std::uint32_t> unsignedValues(std::span<const std::uint8_t> bytes,
                                          const IfdEntry& entry, ByteOrder order);

inline constexpr std::uint16_t kNewSubfileType = 254;
inline constexpr std::uint16_t kSubIfds = 330;
inline constexpr std::uint16_t kDngVersion = 0xC612;

// Calls `visit(directory, offset)` for every directory of the file: the main chain from the
// header's first offset and, depth first, the SubIFDs each names. At most 64 directories are
// visited, so a file whose offsets loop still ends.
void forEachDirectory(std::span<const std::uint8_t> bytes, ByteOrder order,
                      const std::function<void(const Ifd&, std::uint32_t)>& visit);

}  // namespace quorvel::converter::tiff

namespace quorvel::converter::tiff {

// A directory entry exactly as stored: its 4-byte value field is kept as it is.
struct RawRecord {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::array<std::uint8_t, 4> field{};
};

struct RawDirectory {
    std::vector<RawRecord> records;
    std::uint32_t nextOffset = 0;
};

// Every record of the directory at `offset`, unvalidated (for copying a directory as is).
std::optional<RawDirectory> readRawDirectory(std::span<const std::uint8_t> bytes,
                                             std::size_t offset, ByteOrder order);

}  // namespace quorvel::converter::tiff
