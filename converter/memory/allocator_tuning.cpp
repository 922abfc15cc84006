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
    if (setenv("GLIBC_TUNABLES", value.c_str(), 1) != 0) return;
    execv("/proc/self/exe", argv);  // same process, same name: the program still sees it
}

void tuneMemoryAllocator() {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

}  // namespace quorvel::converter
