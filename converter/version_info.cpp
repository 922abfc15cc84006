#include "version_info.h"

#include <libheif/heif.h>

#include <exiv2/exiv2.hpp>
#include <libraw/libraw.h>
#include <magick/MagickCore.h>

#include <cstring>

namespace quorvel::converter {

bool isVersionRequest(int argc, const char* const* argv) {
    return argc == 2 &&
           (std::strcmp(argv[1], "-version") == 0 || std::strcmp(argv[1], "--version") == 0);
}

void printVersion(std::FILE* stream) {
    ListMagickVersion(stream);
    std::fprintf(stream,
                 "LibRaw: %s (camera raw: NEF NRW ORF RW2 RAF CR2 CR3 DNG ..., %d cameras)\n",
                 LibRaw::version(), LibRaw::cameraCount());
    std::fprintf(stream, "libheif: %s (HEIF, HEIC)\n", heif_get_version());
    std::fprintf(stream, "exiv2: %s (EXIF, XMP, IPTC)\n", Exiv2::versionString().c_str());
}

}  // namespace quorvel::converter
