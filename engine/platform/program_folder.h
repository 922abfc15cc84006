#pragma once
#include <string>

namespace quorvel::platform {

// The folder that holds the running program's executable, without a trailing separator.
std::string programFolder();

// The separator between folders of a path on this platform: "/" or "\".
const char* pathSeparator();

}  // namespace quorvel::platform
