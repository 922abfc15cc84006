#include "metadata/png_metadata_chunks.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace quorvel::converter {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Span {
    off_t start = 0, end = 0;
};

struct Layout {
    off_t size = 0;
    std::optional<off_t> firstData;  // where the first IDAT chunk starts
    std::vector<Span> replaced;      // the eXIf and XMP chunks, header to CRC
};

constexpr std::string_view kXmpKeyword = "XML:com.adobe.xmp";

bool isXmpText(int fd, const std::uint8_t* type, off_t at, std::uint32_t length) {
    const bool text = std::memcmp(type, "iTXt", 4) == 0 || std::memcmp(type, "tEXt", 4) == 0 ||
                      std::memcmp(type, "zTXt", 4) == 0;
    if (!text || length < kXmpKeyword.size() + 1) return false;
    std::array<char, kXmpKeyword.size() + 1> keyword{};
    return pread(fd, keyword.data(), keyword.size(), at + 8) ==
               static_cast<ssize_t>(keyword.size()) &&
           std::string_view(keyword.data(), kXmpKeyword.size()) == kXmpKeyword &&
           keyword.back() == '\0';
}

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
        if (std::memcmp(bytes.data() + 4, "eXIf", 4) == 0 ||
            isXmpText(fd, bytes.data() + 4, at, length))
            layout.replaced.push_back(Span{at, next});
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
    for (int shift = 24; shift >= 0; shift -= 8)
        bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

void appendChunk(std::vector<std::uint8_t>& chunks, const char (&type)[5],
                 std::span<const std::uint8_t> data) {
    const std::size_t start = chunks.size();
    append32(chunks, static_cast<std::uint32_t>(data.size()));
    chunks.insert(chunks.end(), type, type + 4);
    chunks.insert(chunks.end(), data.begin(), data.end());
    const uLong crc = crc32(crc32(0, nullptr, 0), chunks.data() + start + 4,
                            static_cast<uInt>(chunks.size() - start - 4));
    append32(chunks, static_cast<std::uint32_t>(crc));
}

std::vector<std::uint8_t> metadataChunks(std::span<const std::uint8_t> exif,
                                         std::string_view xmp) {
    std::vector<std::uint8_t> chunks;
    if (!exif.empty()) appendChunk(chunks, "eXIf", exif);
    if (!xmp.empty()) {
        // keyword, NUL, uncompressed (flag and method 0), no language, no translated keyword
        std::vector<std::uint8_t> text(kXmpKeyword.begin(), kXmpKeyword.end());
        text.insert(text.end(), {0, 0, 0, 0, 0});
        text.insert(text.end(), xmp.begin(), xmp.end());
        appendChunk(chunks, "iTXt", text);
    }
    return chunks;
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

// Everything but the replaced chunks, with the new ones in front of the image data.
bool writeWithExif(int from, int to, const Layout& layout,
                   const std::vector<std::uint8_t>& chunk) {
    off_t at = 0;
    const auto copyUpTo = [&](off_t end) {
        for (const Span& old : layout.replaced) {
            if (old.start < at || old.start >= end) continue;
            if (!copyRange(from, to, at, old.start)) return false;
            at = old.end;
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

bool writePngMetadata(const std::string& path, std::span<const std::uint8_t> exif,
                      std::string_view xmp, std::string& problem) {
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
        ok = rewrite(path, from, *layout, metadataChunks(exif, xmp), problem);
    close(from);
    return ok;
}

}  // namespace quorvel::converter
