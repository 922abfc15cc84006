#pragma once
// Writing TIFF directories: the entry table sorted by tag, values longer than four bytes
// placed after it on word boundaries, then the next-directory offset.
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "metadata/tiff_bytes.h"

namespace quorvel::converter::tiff {

struct OutEntry {
    std::uint16_t tag = 0;
    std::uint16_t type = 0;
    std::uint32_t count = 0;
    std::vector<std::uint8_t> value;  // already in the target byte order
    // An entry copied from an existing directory keeps its 4-byte value field as it was (an
    // inline value, or an offset to data that stays where it is).
    std::optional<std::array<std::uint8_t, 4>> verbatimField;
};

// Bytes the directory takes, its out-of-line values included.
std::size_t directorySize(const std::vector<OutEntry>& entries);

// Appends the directory to `out`, whose first byte lies at file offset `base`.
// Returns the directory's file offset.
std::uint32_t appendDirectory(std::vector<std::uint8_t>& out, std::uint32_t base,
                              std::vector<OutEntry> entries, std::uint32_t nextOffset,
                              ByteOrder order);

// An entry whose value is one LONG (a pointer to another directory, say).
OutEntry longEntry(std::uint16_t tag, std::uint32_t value, ByteOrder order);

}  // namespace quorvel::converter::tiff
