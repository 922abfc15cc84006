#include "tiff/tiff_bytes.h"

#include <algorithm>

namespace quorvel::converter::tiff {

std::size_t valueSize(std::uint16_t type) {
    switch (type) {
        case Byte:
        case Ascii:
        case SByte:
        case Undefined:
            return 1;
        case Short:
        case SShort:
            return 2;
        case Long:
        case SLong:
        case Float:
        case IfdPointer:
            return 4;
        case Rational:
        case SRational:
        case Double:
            return 8;
        default:
            return 0;
    }
}

std::size_t swapUnit(std::uint16_t type) {
    if (type == Rational || type == SRational) return 4;
    return valueSize(type);
}

std::optional<ByteOrder> headerOrder(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 8) return std::nullopt;
    if (bytes[0] == 'I' && bytes[1] == 'I' && bytes[2] == 42 && bytes[3] == 0)
        return ByteOrder::Little;
    if (bytes[0] == 'M' && bytes[1] == 'M' && bytes[2] == 0 && bytes[3] == 42)
        return ByteOrder::Big;
    return std::nullopt;
}

std::optional<std::uint16_t> read16(std::span<const std::uint8_t> bytes, std::size_t at,
                                    ByteOrder order) {
    if (at > bytes.size() || bytes.size() - at < 2) return std::nullopt;
    const std::uint16_t a = bytes[at], b = bytes[at + 1];
    return static_cast<std::uint16_t>(order == ByteOrder::Little ? a | b << 8 : a << 8 | b);
}

std::optional<std::uint32_t> read32(std::span<const std::uint8_t> bytes, std::size_t at,
                                    ByteOrder order) {
    const auto low = read16(bytes, order == ByteOrder::Little ? at : at + 2, order);
    const auto high = read16(bytes, order == ByteOrder::Little ? at + 2 : at, order);
    if (!low || !high) return std::nullopt;
    return static_cast<std::uint32_t>(*high) << 16 | *low;
}

void append16(std::vector<std::uint8_t>& out, std::uint16_t value, ByteOrder order) {
    const std::uint8_t low = value & 0xff, high = value >> 8;
    if (order == ByteOrder::Little) {
        out.insert(out.end(), {low, high});
    } else {
        out.insert(out.end(), {high, low});
    }
}

void append32(std::vector<std::uint8_t>& out, std::uint32_t value, ByteOrder order) {
    const auto low = static_cast<std::uint16_t>(value & 0xffff);
    const auto high = static_cast<std::uint16_t>(value >> 16);
    append16(out, order == ByteOrder::Little ? low : high, order);
    append16(out, order == ByteOrder::Little ? high : low, order);
}

void swapUnits(std::span<std::uint8_t> values, std::uint16_t type) {
    const std::size_t unit = swapUnit(type);
    if (unit < 2) return;
    for (std::size_t at = 0; at + unit <= values.size(); at += unit)
        std::reverse(values.begin() + static_cast<std::ptrdiff_t>(at),
                     values.begin() + static_cast<std::ptrdiff_t>(at + unit));
}

}  // namespace quorvel::converter::tiff
