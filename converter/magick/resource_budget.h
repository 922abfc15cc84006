#pragma once
// How much memory one conversion may take, from the machine it runs on, and ImageMagick's
// resource limits set from it. The system's ImageMagick policy would otherwise decide: on
// Debian it refuses a 16320-pixel-high photo, and nothing stops a few kilobytes that declare
// a huge picture from taking gigabytes. Inputs are measured against the budget before they
// are decoded (input_preflight).
#include <cstddef>
#include <cstdint>

namespace quorvel::converter {

struct MemoryBudget {
    std::uint64_t bytes = 0;
    // The largest picture (width x height) a conversion may hold.
    std::uint64_t maxPixels() const;
};

// Half the physical memory, less where this process is limited further (its address space
// limit, its control group's memory limit), and never more than 8 GiB.
MemoryBudget machineBudget();

// Before MagickCore starts: makes ImageMagick read the policy bundled beside the converter
// (data/imagemagick/policy.xml) ahead of the system's, so the limits below are not capped by
// the system's and no delegate program runs.
void preferBundledPolicy();

// After MagickCore started: width, height, area, memory, map and disk limits.
void applyToImageMagick(const MemoryBudget& budget);

}  // namespace quorvel::converter
