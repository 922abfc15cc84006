#include "command/input_probe.h"

#include <fcntl.h>
#include <libheif/heif.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

#include "command/image_signatures.h"
#include "command/raw_extensions.h"
#include "metadata/mapped_file.h"
#include "metadata/tiff_probe.h"
#include "raw/raw_probe.h"

namespace quorvel::converter {
namespace {

constexpr std::size_t kHeadSize = 64;

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

std::string fileProblem(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0) return {};
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

void classify(InputProbe& probe, std::span<const std::uint8_t> head) {
    probe.format = nonRawImageFormat(head);
    if (!probe.format.empty()) {
        probe.kind = InputKind::Image;
    } else if (heif_check_filetype(head.data(), static_cast<int>(head.size())) !=
               heif_filetype_no) {
        probe.kind = InputKind::Heif;
    } else if (libRawRecognises(probe.path) || hasCameraRawExtension(probe.path) ||
               looksLikeDng(probe.path)) {
        // A raw LibRaw cannot open still goes to it, so the failure is explained as a raw one.
        probe.kind = InputKind::CameraRaw;
    } else {
        probe.kind = InputKind::Image;
    }
}

}  // namespace

InputProbe probeInput(const std::string& argument) {
    InputProbe probe;
    splitFrames(argument, probe);
    if (!exists(probe.path)) return probe;
    probe.kind = InputKind::Image;
    probe.problem = fileProblem(probe.path);
    if (!probe.problem.empty()) return probe;
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
            return original;
        case InputKind::NotALocalFile:
            return original;
    }
    return original;
}

}  // namespace quorvel::converter
