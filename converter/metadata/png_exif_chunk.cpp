#include "metadata/png_exif_chunk.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <vector>

#include <zlib.h>

namespace quorvel::converter {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Span {
    off_t start = 0, end = 0;
};

struct Layout {
    off_t size = 0;
    std::optional<off_t> firstData;  // where the first IDAT chunk starts
    std::vector<Span> exif;          // the eXIf chunks, header to CRC
};

std::optional<Layout> readLayout(int fd) {
    struct stat info {};
    std::array<std::uint8_t, 8> bytes{};
    if (fstat(fd, &info) != 0 || pread(fd, bytes.data(), 8, 0) != 8 || bytes != kSignature)
        return std::nullopt;
    Layout layout{info.st_size, {}, {}};
    for (off_t at = 8; at < layout.size;) {
        if (pread(fd, bytes.data(), 8, at) != 8) return std::nullopt;
        const std::uint32_t length =
            std::uint32_t{bytes[0]} << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
        const off_t next = at + 12 + static_cast<off_t>(length);
        if (next > layout.size) return std::nullopt;
        if (std::memcmp(bytes.data() + 4, "IDAT", 4) == 0 && !layout.firstData)
            layout.firstData = at;
        if (std::memcmp(bytes.data() + 4, "eXIf", 4) == 0) layout.exif.push_back(Span{at, next});
        at = next;
    }
    return layout;
}

bool copyRange(int from, int to, off_t start, off_t end) {
    off_t in = start;
    while (in < end) {
        const ssize_t copied =
            copy_file_range(from, &in, to, nullptr, static_cast<std::size_t>(end - in), 0);
        if (copied < 0 && errno == EINTR) continue;
        if (copied <= 0) return false;
    }
    return true;
}

void append32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::vector<std::uint8_t> exifChunk(std::span<const std::uint8_t> tiffStructure) {
    std::vector<std::uint8_t> chunk;
    append32(chunk, static_cast<std::uint32_t>(tiffStructure.size()));
    chunk.insert(chunk.end(), {'e', 'X', 'I', 'f'});
    chunk.insert(chunk.end(), tiffStructure.begin(), tiffStructure.end());
    const uLong crc = crc32(crc32(0, nullptr, 0), chunk.data() + 4,
                            static_cast<uInt>(chunk.size() - 4));
    append32(chunk, static_cast<std::uint32_t>(crc));
    return chunk;
}

bool writeAll(int to, const std::vector<std::uint8_t>& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t written = write(to, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// Everything but the old eXIf chunks, with the new one in front of the image data.
bool writeWithExif(int from, int to, const Layout& layout,
                   const std::vector<std::uint8_t>& chunk) {
    off_t at = 0;
    const auto copyUpTo = [&](off_t end) {
        for (const Span& exif : layout.exif) {
            if (exif.start < at || exif.start >= end) continue;
            if (!copyRange(from, to, at, exif.start)) return false;
            at = exif.end;
        }
        const bool copied = copyRange(from, to, at, end);
        at = end;
        return copied;
    };
    return copyUpTo(*layout.firstData) && writeAll(to, chunk) && copyUpTo(layout.size);
}

bool rewrite(const std::string& path, int from, const Layout& layout,
             const std::vector<std::uint8_t>& chunk, std::string& problem) {
    std::string temporary = path + ".exif-XXXXXX";
    const int to = mkostemp(temporary.data(), O_CLOEXEC);
    if (to < 0) {
        problem = std::strerror(errno);
        return false;
    }
    struct stat info {};
    fstat(from, &info);
    fchmod(to, info.st_mode & 07777);
    const bool written = writeWithExif(from, to, layout, chunk);
    if (!written) problem = std::strerror(errno);
    close(to);
    if (written && rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written) problem = std::strerror(errno);
    unlink(temporary.c_str());
    return false;
}

}  // namespace

bool writeExifBeforeImageData(const std::string& path, std::span<const std::uint8_t> tiffStructure,
                              std::string& problem) {
    const int from = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        problem = std::strerror(errno);
        return false;
    }
    const auto layout = readLayout(from);
    bool ok = false;
    if (!layout || !layout->firstData)
        problem = "not a complete PNG file";
    else
        ok = rewrite(path, from, *layout, exifChunk(tiffStructure), problem);
    close(from);
    return ok;
}

}  // namespace quorvel::converter
