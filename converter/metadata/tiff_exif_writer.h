#pragma once
// Adds EXIF to a TIFF file in place. The file's first directory gets the camera tags it lacks
// (make, model, date, artist...) and pointers to Exif and GPS directories appended at the
// end of the file; the header then points at the new first directory. Nothing already in the
// file moves, so the picture data stays valid whatever happens.
#include <string>

#include "metadata/exif_data.h"

namespace quorvel::converter {

// False, with the reason, when the file is no classic TIFF or cannot be updated.
bool addExifToTiff(const std::string& path, const ExifData& exif, std::string& problem);

}  // namespace quorvel::converter
