#pragma once
// What every conversion does to the picture unless the command asks otherwise, added to the
// command line so ImageMagick applies it in its own order:
// - each input is turned upright by its EXIF orientation right after it is read, so a resize
//   applies to the upright width and formats without the tag (GIF, BMP) come out upright too;
// - JPEG and BMP, which have no transparency, get transparent areas on white, not black;
// - PNG and TIFF are written with 8 bits a sample, as photo applications expect them;
// - TIFF is compressed without loss (deflate, with a horizontal predictor where it applies).
// Options the command already gives ("-depth", "-compress", "-alpha", "-background") win.
#include <string>

#include "command/command_args.h"

namespace quorvel::converter {

// `outputFormat` is ImageMagick's upper-case name for the output ("JPG", "PNG24", "TIF").
// Updates the argument indices in `args`.
void addPictureDefaults(CommandArgs& args, const std::string& outputFormat);

}  // namespace quorvel::converter
