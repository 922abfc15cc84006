#include "memory/allocator_tuning.h"

#include <malloc.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace quorvel::converter {

void restartWithHugePages(char** argv) {
    constexpr const char* kSetting = "glibc.malloc.hugetlb";
    const char* tunables = std::getenv("GLIBC_TUNABLES");
    // Set already (by the restart, or by whoever started us): never restart twice.
    if (tunables && std::strstr(tunables, kSetting)) return;
    std::string value = std::string(kSetting) + "=1";
    if (tunables && *tunables) value = std::string(tunables) + ":" + value;
    // Through the real path, not /proc/self/exe: the kernel names the process after the file
    // it executes, and the program looks for a process named convert.exe all along.
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0 || static_cast<std::size_t>(length) >= sizeof path - 1) return;
    path[length] = '\0';
    if (std::strstr(path, " (deleted)")) return;  // the file is gone: run without the setting
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) != 0) return;
    execv(path, argv);
}

void tuneMemoryAllocator() {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

}  // namespace quorvel::converter
