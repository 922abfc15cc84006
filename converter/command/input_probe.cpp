#include "command/input_probe.h"

#include <fcntl.h>
#include <libheif/heif.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "command/image_signatures.h"
#include "command/output_target.h"
#include "command/raw_extensions.h"
#include "command/readable_formats.h"
#include "raw/raw_probe.h"
#include "tiff/mapped_file.h"
#include "tiff/tiff_probe.h"

namespace quorvel::converter {
namespace {

// As much as ImageMagick itself looks at to tell a format by content.
constexpr std::size_t kHeadSize = 4096;

bool exists(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0;
}

// "photo.NEF[0]" selects a frame of photo.NEF unless a file of the full name exists.
void splitFrames(const std::string& argument, InputProbe& probe) {
    probe.path = argument;
    const std::size_t open = argument.rfind('[');
    if (argument.empty() || argument.back() != ']' || open == std::string::npos || open == 0 ||
        exists(argument))
        return;
    probe.path = argument.substr(0, open);
    probe.frames = argument.substr(open);
}

std::string missingProblem(const std::string& path) {
    const int error = errno;
    struct stat link {};
    if (error == ENOENT && lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode))
        return "is a symbolic link to a file that does not exist";
    if (error == ELOOP) return "is a symbolic link that loops back on itself";
    if (error == ENOENT) return "does not exist (No such file or directory)";
    return std::string("cannot be opened: ") + std::strerror(error);
}

std::string fileProblem(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return missingProblem(path);
    if (S_ISDIR(info.st_mode)) return "is a folder, not an image file";
    if (!S_ISREG(info.st_mode)) return "is not a regular file";
    if (info.st_size == 0) return "is an empty file";
    return {};
}

bool readHead(const std::string& path, std::array<std::uint8_t, kHeadSize>& head,
              std::size_t& length, std::string& problem) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        problem = std::string("cannot be opened: ") + std::strerror(errno);
        return false;
    }
    const ssize_t got = read(fd, head.data(), head.size());
    if (got < 0) problem = std::string("cannot be read: ") + std::strerror(errno);
    close(fd);
    length = got > 0 ? static_cast<std::size_t>(got) : 0;
    return got > 0;
}

bool looksLikeDng(const std::string& path) {
    const MappedFile file(path);
    const auto facts = probeRawTiff(file.bytes());
    return facts && facts->isDng;
}

// Whether the file type box (the first box) lists one of the HEIF image brands.
bool listsHeifBrand(std::span<const std::uint8_t> head) {
    constexpr std::array<std::string_view, 11> kBrands = {
        "mif1", "mif2", "msf1", "heic", "heix", "heim", "heis", "hevc", "hevx", "avif", "avis"};
    if (head.size() < 16 || std::memcmp(head.data() + 4, "ftyp", 4) != 0) return false;
    const std::size_t size = std::min<std::size_t>(
        head.size(), (std::size_t{head[0]} << 24) | (head[1] << 16) | (head[2] << 8) | head[3]);
    for (std::size_t at = 8; at + 4 <= size; at += 4) {
        if (at == 12) continue;  // the minor version, not a brand
        const std::string_view brand(reinterpret_cast<const char*>(head.data() + at), 4);
        if (std::find(kBrands.begin(), kBrands.end(), brand) != kBrands.end()) return true;
    }
    return false;
}

// libheif says "maybe" for anything too short to tell and for other ISO media files (video):
// those count only when their file type box names a HEIF image brand.
bool looksLikeHeif(std::span<const std::uint8_t> head) {
    const heif_filetype_result result =
        heif_check_filetype(head.data(), static_cast<int>(head.size()));
    return result == heif_filetype_yes_supported || result == heif_filetype_yes_unsupported ||
           (result == heif_filetype_maybe && listsHeifBrand(head));
}

void classify(InputProbe& probe, std::span<const std::uint8_t> head) {
    probe.format = nonRawImageFormat(head);
    if (!probe.format.empty()) {
        probe.kind = InputKind::Image;
    } else if (looksLikeHeif(head)) {
        probe.kind = InputKind::Heif;
    } else if (libRawRecognises(probe.path) || hasCameraRawExtension(probe.path) ||
               looksLikeDng(probe.path)) {
        // A raw LibRaw cannot open still goes to it, so the failure is explained as a raw one.
        probe.kind = InputKind::CameraRaw;
    } else {
        probe.kind = InputKind::Image;
        probe.format = formatByContent(head);
        if (probe.format.empty()) probe.format = formatByExtension(probe.path);
    }
    if (probe.kind == InputKind::Image && !isPhotoFormat(probe.format)) probe.problem = kNotAPhoto;
}

// ImageMagick's own syntax for what is no file: "rose:", "xc:red", "-" (standard input).
bool isPseudoImage(const std::string& argument) {
    return argument == "-" || !formatPrefix(argument).empty();
}

// "PNG:photo.dat": the file keeps the format its argument names.
void takeExplicitFormat(const std::string& argument, InputProbe& probe) {
    const std::string prefix = formatPrefix(argument);
    if (prefix.empty()) return;
    InputProbe rest;
    splitFrames(argument.substr(prefix.size() + 1), rest);
    if (!exists(rest.path)) return;
    probe.path = rest.path;
    probe.frames = rest.frames;
    probe.explicitFormat = prefix;
}

}  // namespace

InputProbe probeInput(const std::string& argument) {
    InputProbe probe;
    splitFrames(argument, probe);
    if (!exists(probe.path)) takeExplicitFormat(argument, probe);
    // A name that is no file is missing, never a pattern for other files to match.
    if (!exists(probe.path) && probe.explicitFormat.empty() && isPseudoImage(argument))
        return probe;
    probe.kind = InputKind::Image;
    probe.problem = fileProblem(probe.path);
    if (!probe.problem.empty()) return probe;
    if (!probe.explicitFormat.empty()) {
        probe.format = probe.explicitFormat;
        if (!isPhotoFormat(probe.format)) probe.problem = kNotAPhoto;
        return probe;
    }
    std::array<std::uint8_t, kHeadSize> head{};
    std::size_t length = 0;
    if (!readHead(probe.path, head, length, probe.problem)) return probe;
    classify(probe, std::span(head.data(), length));
    return probe;
}

std::string routedArgument(const InputProbe& probe, const std::string& original) {
    switch (probe.kind) {
        case InputKind::CameraRaw:
            return "LIBRAW:" + probe.path + probe.frames;
        case InputKind::Heif:
            return "LIBHEIF:" + probe.path + probe.frames;
        case InputKind::Image:
            if (!probe.format.empty()) return probe.format + ":" + probe.path + probe.frames;
            return probe.path + probe.frames;
        case InputKind::NotALocalFile:
            return original;
    }
    return original;
}

}  // namespace quorvel::converter
