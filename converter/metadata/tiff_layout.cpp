#include "metadata/tiff_layout.h"

#include <algorithm>

namespace quorvel::converter::tiff {
namespace {

std::size_t outOfLineSize(const OutEntry& entry) {
    if (entry.verbatimField || entry.value.size() <= 4) return 0;
    return entry.value.size() + (entry.value.size() & 1);
}

// Directories and values start on word boundaries of the file, not of the buffer.
void padToWord(std::vector<std::uint8_t>& out, std::uint32_t base) {
    if ((base + out.size()) & 1) out.push_back(0);
}

}  // namespace

std::size_t directorySize(const std::vector<OutEntry>& entries) {
    std::size_t size = 2 + 12 * entries.size() + 4;
    for (const OutEntry& entry : entries) size += outOfLineSize(entry);
    return size;
}

std::uint32_t appendDirectory(std::vector<std::uint8_t>& out, std::uint32_t base,
                              std::vector<OutEntry> entries, std::uint32_t nextOffset,
                              ByteOrder order) {
    padToWord(out, base);
    std::sort(entries.begin(), entries.end(),
              [](const OutEntry& a, const OutEntry& b) { return a.tag < b.tag; });
    const auto start = static_cast<std::uint32_t>(base + out.size());
    auto valueAt = static_cast<std::uint32_t>(start + 2 + 12 * entries.size() + 4);
    append16(out, static_cast<std::uint16_t>(entries.size()), order);
    for (const OutEntry& entry : entries) {
        append16(out, entry.tag, order);
        append16(out, entry.type, order);
        append32(out, entry.count, order);
        if (entry.verbatimField) {
            out.insert(out.end(), entry.verbatimField->begin(), entry.verbatimField->end());
        } else if (entry.value.size() <= 4) {
            std::array<std::uint8_t, 4> field{};
            std::copy(entry.value.begin(), entry.value.end(), field.begin());
            out.insert(out.end(), field.begin(), field.end());
        } else {
            append32(out, valueAt, order);
            valueAt += static_cast<std::uint32_t>(outOfLineSize(entry));
        }
    }
    append32(out, nextOffset, order);
    for (const OutEntry& entry : entries) {
        if (outOfLineSize(entry) == 0) continue;
        out.insert(out.end(), entry.value.begin(), entry.value.end());
        padToWord(out, base);
    }
    return start;
}

OutEntry longEntry(std::uint16_t tag, std::uint32_t value, ByteOrder order) {
    OutEntry entry{tag, Long, 1, {}, std::nullopt};
    append32(entry.value, value, order);
    return entry;
}

}  // namespace quorvel::converter::tiff
