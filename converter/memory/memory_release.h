#pragma once
// Hands the pages of the consumed part of a large buffer back to the system while the buffer
// itself stays allocated (its owner frees it later). Peak memory then stays near one
// full-size picture while pixels move from one library's buffer into another's.
#include <cstddef>
#include <cstdint>

namespace quorvel::converter {

// A buffer consumed from its start towards its end.
class ProgressiveRelease {
public:
    explicit ProgressiveRelease(const void* begin);

    // Everything before `end` has been read for the last time: whole pages of it are released
    // and read as zero from now on.
    void consumedUpTo(const void* end);

private:
    std::uintptr_t m_released;  // page-aligned; everything before it is released
};

}  // namespace quorvel::converter
