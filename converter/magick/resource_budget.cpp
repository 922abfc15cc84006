#include "magick/resource_budget.h"

#include <magick/MagickCore.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <string>

namespace quorvel::converter {
namespace {

constexpr std::uint64_t kCeiling = 8ull << 30;

// Bytes a decoded pixel costs at the peak of a conversion: ImageMagick's pixel (four 16-bit
// samples) and as much again for the decoder's own buffers or an operation's copy.
constexpr std::uint64_t kBytesPerPixel = 2 * sizeof(PixelPacket);

std::uint64_t physicalMemory() {
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0) return kCeiling * 2;
    return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
}

std::uint64_t addressSpaceLimit() {
    rlimit limit{};
    if (getrlimit(RLIMIT_AS, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) return UINT64_MAX;
    return limit.rlim_cur;
}

std::uint64_t controlGroupLimit() {
    std::ifstream file("/sys/fs/cgroup/memory.max");
    std::string value;
    if (!(file >> value) || value == "max") return UINT64_MAX;
    char* end = nullptr;
    const unsigned long long bytes = std::strtoull(value.c_str(), &end, 10);
    return end && *end == '\0' && bytes > 0 ? bytes : UINT64_MAX;
}

std::string executableFolder() {
    char path[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) return {};
    const std::string executable(path, static_cast<std::size_t>(length));
    return executable.substr(0, executable.find_last_of('/'));
}

}  // namespace

std::uint64_t MemoryBudget::maxPixels() const { return bytes / kBytesPerPixel; }

MemoryBudget machineBudget() {
    const std::uint64_t available =
        std::min({physicalMemory(), addressSpaceLimit(), controlGroupLimit()});
    return MemoryBudget{std::min(available / 2, kCeiling)};
}

void preferBundledPolicy() {
    const std::string folder = executableFolder();
    if (folder.empty()) return;
    std::string paths = folder + "/imagemagick";
    if (const char* existing = std::getenv("MAGICK_CONFIGURE_PATH"); existing && *existing)
        paths += std::string(":") + existing;
    setenv("MAGICK_CONFIGURE_PATH", paths.c_str(), 1);
}

void applyToImageMagick(const MemoryBudget& budget) {
    const MagickSizeType pixels = budget.maxPixels();
    SetMagickResourceLimit(WidthResource, pixels);
    SetMagickResourceLimit(HeightResource, pixels);
    SetMagickResourceLimit(AreaResource, pixels);
    SetMagickResourceLimit(MemoryResource, budget.bytes);
    SetMagickResourceLimit(MapResource, budget.bytes);
    SetMagickResourceLimit(DiskResource, budget.bytes);
}

}  // namespace quorvel::converter
