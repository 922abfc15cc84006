#pragma once
// ImageMagick's reader for HEIF/HEIC ("LIBHEIF:file"): libheif decodes the primary picture
// with the container's rotation, mirroring and crop applied, straight into an ImageMagick
// image; the file's EXIF and colour profile travel with it. Deeper than 8-bit pictures keep
// their precision. Damaged files fail instead of decoding in part.
#include <magick/MagickCore.h>

namespace quorvel::converter {

Image* readHeif(const ImageInfo* info, ExceptionInfo* exception);

}  // namespace quorvel::converter
