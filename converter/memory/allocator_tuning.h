#pragma once
// Allocator settings that remove most page faults, which on a virtual machine cost more than
// the decoding they serve (a 24 MP raw touches some 100,000 fresh 4 KiB pages):
//
// - Transparent huge pages for large allocations (the sensor data, LibRaw's picture buffer,
//   libheif's planes): 2 MiB per fault instead of 4 KiB. glibc reads that setting
//   (glibc.malloc.hugetlb) only when a process starts, so the converter restarts itself once
//   with it, before doing anything else.
// - Mid-size blocks kept for reuse: libde265 decodes a 12 MP HEIC as dozens of tiles, freeing
//   and allocating the same buffers for each; blocks under 4 MiB now stay in the heap (not
//   trimmed below 64 MiB) instead of being returned and faulted in again. Whole pictures are
//   still mapped one by one and handed back at once, so peak memory does not grow.
namespace quorvel::converter {

// Returns only when the process already runs with huge pages (or cannot restart).
void restartWithHugePages(char** argv);

// Call once, first thing after the restart.
void tuneMemoryAllocator();

}  // namespace quorvel::converter
