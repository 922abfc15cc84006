#include "format_cycle.h"

#include <array>

namespace quorvel {
namespace {

constexpr std::array<std::string_view, 5> kCycle = {"JPG", "PNG", "GIF", "TIF", "BMP"};

}  // namespace

std::string nextFormat(std::string_view caption) {
    for (std::size_t i = 0; i < kCycle.size(); ++i)
        if (caption == kCycle[i]) return std::string(kCycle[(i + 1) % kCycle.size()]);
    return std::string(caption);
}

}  // namespace quorvel
