#pragma once
// File name extensions of camera raw formats. ImageMagick hands files with these extensions to
// its raw delegate by name, whatever they hold, so such a file is always routed explicitly.
#include <string_view>

namespace quorvel::converter {

// Case-insensitive; `path` may be a full path.
bool hasCameraRawExtension(std::string_view path);

}  // namespace quorvel::converter
