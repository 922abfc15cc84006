#pragma once
// The EXIF of a camera raw file, for the converted picture: what exiv2 reads from the file,
// completed from LibRaw's decoded fields where the file's own tags lack them (raws whose EXIF
// sits where exiv2 does not look, such as inside an embedded preview).
#include <libraw/libraw.h>

#include <exiv2/exiv2.hpp>

namespace quorvel::converter {

// Adds the camera, lens, exposure, date and position LibRaw decoded, where `exif` has none.
void fillFromLibRaw(Exiv2::ExifData& exif, const libraw_data_t& data);

}  // namespace quorvel::converter
