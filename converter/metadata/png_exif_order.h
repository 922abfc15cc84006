#pragma once
// Moves a PNG file's eXIf chunk in front of its image data. ImageMagick 6 writes eXIf after
// the IDAT chunks, where the PNG standard does not allow it and where readers may ignore
// it (exiftool warns so). Chunks are copied as they are (their CRCs stay valid) into a new file
// beside the old one, which then replaces it; any surprise leaves the file untouched.
#include <string>

namespace quorvel::converter {

// True when the file needed no change or was rewritten; false, with the reason, otherwise.
bool moveExifBeforeImageData(const std::string& path, std::string& problem);

}  // namespace quorvel::converter
