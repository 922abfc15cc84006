#pragma once
// Where the user's files go by default on this platform.
#include <string>

namespace quorvel::platform {

// The user's home folder ($HOME, else the account's home), without a trailing separator.
std::string homeFolder();

// The folder for temporary files (${TMPDIR:-/tmp}), without a trailing separator.
std::string temporaryFolder();

}  // namespace quorvel::platform
