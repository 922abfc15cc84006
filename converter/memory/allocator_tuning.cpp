#include "memory/allocator_tuning.h"

#include <malloc.h>

namespace quorvel::converter {

void tuneMemoryAllocator() {
    mallopt(M_MMAP_THRESHOLD, 4 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
}

}  // namespace quorvel::converter
