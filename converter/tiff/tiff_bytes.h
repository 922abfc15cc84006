#pragma once
// Byte-level helpers for TIFF structures (TIFF files, EXIF blocks): the two byte orders, the
// field types and their sizes, bounds-checked reads and appending writes.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace quorvel::converter::tiff {

enum class ByteOrder { Little, Big };

// Field types of TIFF 6.0 and EXIF; 13 (IFD) is a LONG that points at a directory.
enum FieldType : std::uint16_t {
    Byte = 1,
    Ascii = 2,
    Short = 3,
    Long = 4,
    Rational = 5,
    SByte = 6,
    Undefined = 7,
    SShort = 8,
    SLong = 9,
    SRational = 10,
    Float = 11,
    Double = 12,
    IfdPointer = 13
};

// Bytes per value (a RATIONAL is two LONGs: 8); 0 for an unknown type.
std::size_t valueSize(std::uint16_t type);
// Bytes per byte-swapped unit (a RATIONAL swaps as two 4-byte LONGs).
std::size_t swapUnit(std::uint16_t type);

// The byte order a TIFF header (II*\0 or MM\0*) declares.
std::optional<ByteOrder> headerOrder(std::span<const std::uint8_t> bytes);

std::optional<std::uint16_t> read16(std::span<const std::uint8_t> bytes, std::size_t at,
                                    ByteOrder order);
std::optional<std::uint32_t> read32(std::span<const std::uint8_t> bytes, std::size_t at,
                                    ByteOrder order);

void append16(std::vector<std::uint8_t>& out, std::uint16_t value, ByteOrder order);
void append32(std::vector<std::uint8_t>& out, std::uint32_t value, ByteOrder order);

// Reverses the bytes of every unit of `type` in place (between little and big endian).
void swapUnits(std::span<std::uint8_t> values, std::uint16_t type);

}  // namespace quorvel::converter::tiff
