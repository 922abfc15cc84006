#pragma once
// The output carries its input's modification time, as a photo's copy would: albums and file
// managers that sort by file date then keep the order the photos were taken in, instead of
// the order they were converted in.
#include <string>

namespace quorvel::converter {

// False when either file's time cannot be read or set; the output is kept either way.
bool copyModificationTime(const std::string& from, const std::string& to);

}  // namespace quorvel::converter
