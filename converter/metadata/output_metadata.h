#pragma once
// The source photo's metadata made true of the converted picture: what describes the photo
// (camera, exposure, lens, place, maker notes, titles, ratings, keywords) stays; what described
// the source file's own pixels and layout (sizes, strips, compression, raw and DNG tags,
// thumbnails, its colour profile) goes, and so do values left empty.
#include "metadata/photo_metadata.h"

namespace quorvel::converter {

// `orientation` is the EXIF orientation (1-8) of the pixels as they are written: 1 once a
// decoder or -auto-orient has turned them upright; `width` and `height` their size.
void prepareForOutput(PhotoMetadata& metadata, int orientation, std::size_t width,
                      std::size_t height);

}  // namespace quorvel::converter
