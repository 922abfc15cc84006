#pragma once
// Decides, by content, which decoder an input argument needs, and rewrites the argument so
// ImageMagick uses it: camera raw goes to LibRaw ("LIBRAW:"), HEIF to libheif ("LIBHEIF:"),
// a known picture format gets its explicit format prefix (so a JPEG named .NEF is read as
// the JPEG it is). ImageMagick's pseudo-images ("rose:", "xc:red") are left alone; any other
// argument is a file name, even one that looks like a pattern ("IMG_[12].hdr", "*.jpg").
#include <string>

namespace quorvel::converter {

enum class InputKind { NotALocalFile, CameraRaw, Heif, Image };

struct InputProbe {
    InputKind kind = InputKind::NotALocalFile;
    std::string path;            // the file, without a trailing "[...]" frame selection
    std::string frames;          // that "[...]" selection, kept for ImageMagick
    std::string format;          // ImageMagick's format that reads an Image, "" if none does
    std::string explicitFormat;  // the format the argument itself named ("PNG:x.dat")
    std::string problem;         // why the file cannot be read at all ("" when it can)
};

InputProbe probeInput(const std::string& argument);

// The argument to hand to ImageMagick in place of the original one.
std::string routedArgument(const InputProbe& probe, const std::string& original);

}  // namespace quorvel::converter
