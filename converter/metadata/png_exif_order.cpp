#include "metadata/png_exif_order.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <optional>

namespace quorvel::converter {
namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

struct Span {
    off_t start = 0, end = 0;
};

struct Layout {
    off_t size = 0;
    std::optional<off_t> firstData;  // where the first IDAT chunk starts
    std::optional<Span> exif;        // the eXIf chunk, header to CRC
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
        if (std::memcmp(bytes.data() + 4, "eXIf", 4) == 0) layout.exif = Span{at, next};
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

bool writeReordered(int from, int to, const Layout& layout) {
    const Span exif = *layout.exif;
    return copyRange(from, to, 0, *layout.firstData) &&
           copyRange(from, to, exif.start, exif.end) &&
           copyRange(from, to, *layout.firstData, exif.start) &&
           copyRange(from, to, exif.end, layout.size);
}

bool rewrite(const std::string& path, int from, const Layout& layout, std::string& problem) {
    std::string temporary = path + ".exif-XXXXXX";
    const int to = mkostemp(temporary.data(), O_CLOEXEC);
    if (to < 0) {
        problem = std::strerror(errno);
        return false;
    }
    struct stat info {};
    fstat(from, &info);
    fchmod(to, info.st_mode & 07777);
    const bool written = writeReordered(from, to, layout);
    if (!written) problem = std::strerror(errno);
    close(to);
    if (written && rename(temporary.c_str(), path.c_str()) == 0) return true;
    if (written) problem = std::strerror(errno);
    unlink(temporary.c_str());
    return false;
}

}  // namespace

bool moveExifBeforeImageData(const std::string& path, std::string& problem) {
    const int from = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0) {
        problem = std::strerror(errno);
        return false;
    }
    const auto layout = readLayout(from);
    bool ok = true;
    if (!layout) {
        problem = "not a complete PNG file";
        ok = false;
    } else if (layout->exif && layout->firstData && layout->exif->start > *layout->firstData) {
        ok = rewrite(path, from, *layout, problem);
    }
    close(from);
    return ok;
}

}  // namespace quorvel::converter
