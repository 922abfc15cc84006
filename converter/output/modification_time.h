#pragma once
// The converted picture carries the photo's own date as its file time, so albums and file
// managers that sort by date keep the order in which the photos were taken.
#include <string>

namespace quorvel::converter {

// Gives `to` the modification time of `from`; false when either cannot be reached (the
// conversion stands: only the file's date is then the conversion's).
bool copyModificationTime(const std::string& from, const std::string& to);

}  // namespace quorvel::converter
