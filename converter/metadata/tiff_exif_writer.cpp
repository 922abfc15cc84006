#include "metadata/tiff_exif_writer.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <limits>
#include <optional>

#include "metadata/exif_codec.h"
#include "metadata/mapped_file.h"
#include "metadata/tiff_ifd.h"
#include "metadata/tiff_layout.h"

namespace quorvel::converter {
namespace {

namespace tag = exif_tag;

constexpr std::array<std::uint16_t, 7> kCameraTags = {
    tag::kImageDescription, tag::kMake,   tag::kModel,    tag::kSoftware,
    tag::kDateTime,         tag::kArtist, tag::kCopyright};

struct Plan {
    tiff::ByteOrder order = tiff::ByteOrder::Little;
    std::uint32_t fileSize = 0;
    std::vector<std::uint8_t> appended;  // written at the end of the file
    std::uint32_t firstDirectory = 0;    // new offset for the header
};

bool hasTag(const tiff::RawDirectory& directory, std::uint16_t number) {
    return std::any_of(directory.records.begin(), directory.records.end(),
                       [number](const tiff::RawRecord& r) { return r.tag == number; });
}

std::vector<tiff::OutEntry> subDirectory(const ExifData& exif, ExifDirectory which,
                                         tiff::ByteOrder order) {
    std::vector<tiff::OutEntry> entries;
    for (const ExifEntry& entry : exif.entries(which))
        if (entry.tag != tag::kMakerNote) entries.push_back(toOutEntry(entry, order));
    return entries;
}

std::vector<tiff::OutEntry> keptRecords(const tiff::RawDirectory& directory) {
    std::vector<tiff::OutEntry> entries;
    for (const tiff::RawRecord& record : directory.records)
        if (record.tag != tag::kExifPointer && record.tag != tag::kGpsPointer)
            entries.push_back({record.tag, record.type, record.count, {}, record.field});
    return entries;
}

std::optional<Plan> plan(std::span<const std::uint8_t> file, const ExifData& exif,
                         std::string& problem) {
    const auto order = tiff::headerOrder(file);
    if (!order) {
        problem = "not a classic TIFF file";
        return std::nullopt;
    }
    const auto first = tiff::readRawDirectory(file, *tiff::read32(file, 4, *order), *order);
    if (!first) {
        problem = "its first directory cannot be read";
        return std::nullopt;
    }
    if (file.size() > std::numeric_limits<std::uint32_t>::max() / 2) {
        problem = "the file is too large for classic TIFF offsets";
        return std::nullopt;
    }
    const auto base = static_cast<std::uint32_t>(file.size());
    Plan result{*order, base, {}, 0};
    auto entries = keptRecords(*first);
    for (std::uint16_t number : kCameraTags)
        if (const ExifEntry* entry = exif.find(ExifDirectory::Primary, number);
            entry && !hasTag(*first, number))
            entries.push_back(toOutEntry(*entry, *order));
    if (const auto sub = subDirectory(exif, ExifDirectory::Exif, *order); !sub.empty())
        entries.push_back(
            tiff::longEntry(tag::kExifPointer,
                            tiff::appendDirectory(result.appended, base, sub, 0, *order), *order));
    if (const auto gps = subDirectory(exif, ExifDirectory::Gps, *order); !gps.empty())
        entries.push_back(
            tiff::longEntry(tag::kGpsPointer,
                            tiff::appendDirectory(result.appended, base, gps, 0, *order), *order));
    result.firstDirectory =
        tiff::appendDirectory(result.appended, base, entries, first->nextOffset, *order);
    return result;
}

bool writeAt(int fd, std::span<const std::uint8_t> bytes, off_t at) {
    while (!bytes.empty()) {
        const ssize_t written = pwrite(fd, bytes.data(), bytes.size(), at);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        bytes = bytes.subspan(static_cast<std::size_t>(written));
        at += written;
    }
    return true;
}

}  // namespace

bool addExifToTiff(const std::string& path, const ExifData& exif, std::string& problem) {
    std::optional<Plan> update;
    {
        const MappedFile file(path);
        update = plan(file.bytes(), exif, problem);
    }
    if (!update) return false;
    const int fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::strerror(errno);
        return false;
    }
    std::vector<std::uint8_t> header;
    tiff::append32(header, update->firstDirectory, update->order);
    // The header is rewritten last: until then the file is the one ImageMagick wrote.
    const bool ok = writeAt(fd, update->appended, update->fileSize) && writeAt(fd, header, 4);
    if (!ok) problem = std::strerror(errno);
    close(fd);
    return ok;
}

}  // namespace quorvel::converter
