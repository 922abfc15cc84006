#include "memory/memory_release.h"

#include <sys/mman.h>
#include <unistd.h>

namespace quorvel::converter {
namespace {

std::uintptr_t pageSize() {
    static const auto size = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
    return size;
}

}  // namespace

// The first partial page may hold the allocator's bookkeeping: it is never released.
ProgressiveRelease::ProgressiveRelease(const void* begin)
    : m_released((reinterpret_cast<std::uintptr_t>(begin) + pageSize() - 1) / pageSize() *
                 pageSize()) {}

void ProgressiveRelease::consumedUpTo(const void* end) {
    const std::uintptr_t last = reinterpret_cast<std::uintptr_t>(end) / pageSize() * pageSize();
    if (last <= m_released) return;
    madvise(reinterpret_cast<void*>(m_released), last - m_released, MADV_DONTNEED);
    m_released = last;
}

}  // namespace quorvel::converter
