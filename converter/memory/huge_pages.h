#pragma once
// Asks for transparent huge pages over a large buffer that is about to be written once from
// start to end (a picture's pixel cache). Every first touch of a 4 KiB page is a page fault,
// and a 12 MP picture's cache takes some 24,000 of them; 2 MiB pages cut that by 512. Only
// whole 2 MiB blocks inside the buffer are affected; a kernel without THP ignores the request.
#include <cstddef>

namespace quorvel::converter {

void preferHugePages(void* buffer, std::size_t length);

}  // namespace quorvel::converter
