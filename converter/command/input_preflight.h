#pragma once
// Looks at each input before anything is decoded: ImageMagick pings it (reading only its
// declared size; the raw and HEIF readers answer from LibRaw's and libheif's headers), and
// a picture that would not fit the memory budget is refused there, in a few milliseconds,
// however few bytes declare it. An input of several frames or pages going to a format that
// holds one picture is narrowed to its first frame, so the command still writes exactly the
// one file it names. Needs MagickCore started.
#include <cstddef>
#include <string>

#include "diagnostics.h"
#include "magick/resource_budget.h"

namespace quorvel::converter {

struct PreflightInput {
    std::string& argument;     // as handed to ImageMagick; "[0]" may be appended
    const std::string& shown;  // the file as the user named it
    bool framesChosen;         // the argument selects frames itself
};

// False, with the error recorded, when the input must not be decoded.
bool preflightInput(PreflightInput input, bool singlePictureOutput, const MemoryBudget& budget,
                    Diagnostics& report);

// Whether a file of this format holds one picture only (JPEG, PNG, BMP; not TIFF or GIF).
bool holdsOnePicture(const std::string& format);

}  // namespace quorvel::converter
