#include "raw/raw_failure.h"

#include <libraw/libraw.h>

#include <array>

#include "tiff/mapped_file.h"
#include "tiff/tiff_probe.h"

namespace quorvel::converter {
namespace {

std::string libRawName() { return std::string("LibRaw ") + LibRaw::version(); }

bool decodableDngCompression(std::uint16_t compression) {
    constexpr std::array<std::uint16_t, 4> kDecodable = {1, 7, 8, 34892};
    for (std::uint16_t value : kDecodable)
        if (value == compression) return true;
    return false;
}

std::string unsupportedReason(const std::string& path) {
    const MappedFile file(path);
    const auto facts = probeRawTiff(file.bytes());
    if (facts && facts->isDng && facts->rawCompression &&
        !decodableDngCompression(*facts->rawCompression))
        return "unsupported raw variant: its raw data is " +
               compressionName(*facts->rawCompression) + " compressed, which " + libRawName() +
               " cannot decode";
    if (facts && facts->isDng) return "unsupported DNG variant for " + libRawName();
    return "not a camera raw file, or a camera or raw variant " + libRawName() +
           " does not support";
}

}  // namespace

std::string describeRawFailure(RawStep step, int libRawError, const std::string& path) {
    switch (libRawError) {
        case LIBRAW_FILE_UNSUPPORTED:
            if (step == RawStep::Open) return unsupportedReason(path);
            return "unsupported raw variant: its raw data uses a compression " + libRawName() +
                   " cannot decode";
        case LIBRAW_IO_ERROR:
            // Identification reads past the end of files that are no raw at all, too.
            if (step == RawStep::Open) return "not a camera raw file, or one cut short";
            return "the file is truncated or cannot be read";
        case LIBRAW_DATA_ERROR:
            return "the raw data is damaged";
        case LIBRAW_UNSUFFICIENT_MEMORY:
        case LIBRAW_TOO_BIG:
            return "the picture is too large to decode";
        default:
            return LibRaw::strerror(libRawError);
    }
}

}  // namespace quorvel::converter
