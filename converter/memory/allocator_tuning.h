#pragma once
// Makes glibc's allocator keep mid-size blocks for reuse. libde265 decodes a 12 MP HEIC as
// dozens of tiles, allocating and freeing the same buffers for each; by default every one is
// returned to the system and faulted back in for the next tile, and on a virtual machine those
// page faults cost more than the decoding itself. Blocks under 4 MiB now stay in the heap
// (which is not trimmed below 64 MiB); whole pictures are still mapped one by one and handed
// back at once, so peak memory does not grow. Call once, before anything is allocated.
namespace quorvel::converter {

void tuneMemoryAllocator();

}  // namespace quorvel::converter
