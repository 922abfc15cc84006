#pragma once
// Moves LibRaw's processed picture into an ImageMagick image of the upright size: tone curve
// applied to 16-bit values, camera orientation applied, one band of source rows at a time.
// Each band's part of LibRaw's buffer is handed back to the system as soon as it has been
// copied, so the two full-size buffers never both occupy memory.
#include <magick/MagickCore.h>

#include "raw/libraw_session.h"

namespace quorvel::converter {

// `image` must already have the upright size. After this, LibRaw's picture buffer holds
// zeros in place of released pages: the session is done with.
bool transferProcessedPicture(LibRawSession& raw, Image* image, ExceptionInfo* exception);

}  // namespace quorvel::converter
