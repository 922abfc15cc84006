#pragma once
// Puts an XMP packet into a PNG file as the iTXt chunk "XML:com.adobe.xmp" in front of the
// image data, where the PNG and XMP standards place it. exiv2 could write it too, but it
// would also replace the file's eXIf chunk with an old-style text copy of the EXIF.
#include <string>

namespace quorvel::converter {

// The file is rewritten beside itself and then replaces itself; any surprise leaves it as
// it was. False, with the reason, when it could not be done.
bool insertXmpBeforeImageData(const std::string& path, const std::string& packet,
                              std::string& problem);

}  // namespace quorvel::converter
