#pragma once
// Which ImageMagick format reads a local input, chosen before ImageMagick sees it: by content
// as ImageMagick itself would, else by the file name's extension. Every input reaches
// ImageMagick with this explicit format and a name that carries no syntax, so what the
// file's name looks like never changes how it is read. Formats that hand the file to an
// outside program (PostScript and PDF to Ghostscript, video to ffmpeg) or that read other
// files by name (MVG, MSL) are refused. Needs MagickCore started.
#include <cstdint>
#include <span>
#include <string>

namespace quorvel::converter {

// ImageMagick's format name for these first bytes of a file, "" when it knows none.
std::string formatByContent(std::span<const std::uint8_t> head);

// The format the extension of `path` names when ImageMagick can read it, else "".
std::string formatByExtension(const std::string& path);

// Whether ImageMagick may read a file of this format for this converter.
bool isPhotoFormat(const std::string& format);

inline constexpr const char* kNotAPhoto = "is not a photo this converter reads";

}  // namespace quorvel::converter
