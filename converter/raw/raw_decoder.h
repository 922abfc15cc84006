#pragma once
// ImageMagick's reader for camera raw ("LIBRAW:file"): LibRaw decodes the file with the
// camera's white balance into sRGB at 16 bits, the camera's orientation is applied to the
// pixels, and the file's EXIF travels with the picture.
#include <magick/MagickCore.h>

#include <optional>
#include <string>

namespace quorvel::converter {

struct RawDecodeOptions {
    // The command's only resize geometry, when nothing else depends on the input's size:
    // the raw is decoded at half size when that gives the same result (half_size_policy).
    std::optional<std::string> resizeGeometry;
};

// A DecodeImageHandler; the options come from the coder's registration (client data).
Image* readCameraRaw(const ImageInfo* info, ExceptionInfo* exception);

}  // namespace quorvel::converter
