#include "metadata/exif_data.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "metadata/tiff_bytes.h"

namespace quorvel::converter {

std::vector<ExifEntry>& ExifData::list(ExifDirectory directory) {
    switch (directory) {
        case ExifDirectory::Primary:
            return m_primary;
        case ExifDirectory::Exif:
            return m_exif;
        case ExifDirectory::Gps:
            return m_gps;
    }
    return m_primary;
}

const std::vector<ExifEntry>& ExifData::entries(ExifDirectory directory) const {
    return const_cast<ExifData*>(this)->list(directory);
}

void ExifData::set(ExifDirectory directory, ExifEntry entry) {
    auto& entries = list(directory);
    const auto at =
        std::lower_bound(entries.begin(), entries.end(), entry.tag,
                         [](const ExifEntry& e, std::uint16_t tag) { return e.tag < tag; });
    if (at != entries.end() && at->tag == entry.tag) {
        *at = std::move(entry);
    } else {
        entries.insert(at, std::move(entry));
    }
}

void ExifData::setIfAbsent(ExifDirectory directory, ExifEntry entry) {
    if (!find(directory, entry.tag)) set(directory, std::move(entry));
}

const ExifEntry* ExifData::find(ExifDirectory directory, std::uint16_t tag) const {
    const auto& list = entries(directory);
    const auto it =
        std::find_if(list.begin(), list.end(), [tag](const ExifEntry& e) { return e.tag == tag; });
    return it == list.end() ? nullptr : &*it;
}

bool ExifData::empty() const { return m_primary.empty() && m_exif.empty() && m_gps.empty(); }

ExifEntry asciiEntry(std::uint16_t tag, std::string_view text) {
    ExifEntry entry{tag, tiff::Ascii, 0, {text.begin(), text.end()}};
    entry.value.push_back(0);
    entry.count = static_cast<std::uint32_t>(entry.value.size());
    return entry;
}

ExifEntry shortEntry(std::uint16_t tag, std::uint16_t value) {
    return {tag,
            tiff::Short,
            1,
            {static_cast<std::uint8_t>(value & 0xff), static_cast<std::uint8_t>(value >> 8)}};
}

ExifEntry rationalEntry(std::uint16_t tag, std::span<const Rational> values) {
    ExifEntry entry{tag, tiff::Rational, static_cast<std::uint32_t>(values.size()), {}};
    for (const auto& [numerator, denominator] : values) {
        tiff::append32(entry.value, numerator, tiff::ByteOrder::Little);
        tiff::append32(entry.value, denominator, tiff::ByteOrder::Little);
    }
    return entry;
}

ExifEntry bytesEntry(std::uint16_t tag, std::uint16_t type, std::span<const std::uint8_t> bytes) {
    return {tag, type, static_cast<std::uint32_t>(bytes.size()), {bytes.begin(), bytes.end()}};
}

bool tidyAscii(ExifEntry& entry) {
    if (entry.type != tiff::Ascii) return true;
    const auto end = std::find(entry.value.begin(), entry.value.end(), 0);
    entry.value.erase(end, entry.value.end());
    if (entry.value.empty()) return false;
    entry.value.push_back(0);
    entry.count = static_cast<std::uint32_t>(entry.value.size());
    return true;
}

std::optional<std::string> asciiText(const ExifEntry& entry) {
    if (entry.type != tiff::Ascii) return std::nullopt;
    const auto end = std::find(entry.value.begin(), entry.value.end(), 0);
    return std::string(entry.value.begin(), end);
}

std::optional<std::uint32_t> firstUnsigned(const ExifEntry& entry) {
    if (entry.type == tiff::Short) return tiff::read16(entry.value, 0, tiff::ByteOrder::Little);
    if (entry.type == tiff::Long) return tiff::read32(entry.value, 0, tiff::ByteOrder::Little);
    return std::nullopt;
}

Rational toRational(double value, std::uint32_t denominator) {
    if (!(value > 0)) return {0, 1};
    const double scaled = std::round(value * denominator);
    if (scaled > std::numeric_limits<std::uint32_t>::max()) {
        return {static_cast<std::uint32_t>(std::min<double>(std::round(value), 4e9)), 1};
    }
    return {static_cast<std::uint32_t>(scaled), denominator};
}

}  // namespace quorvel::converter
