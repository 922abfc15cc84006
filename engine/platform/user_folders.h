#pragma once
// Where the user's files go by default on this platform.
#include <string>

namespace quorvel::platform {

// The batch's output folder until the user picks one: "C:\output" on Windows, $HOME/output
// elsewhere (a fixed drive letter means nothing without drives).
std::string defaultOutputFolder();

// Where a photo whose path does not survive the code page is copied before it is converted:
// "c:\tmp" on Windows, ${TMPDIR:-/tmp}/quorvel elsewhere.
std::string defaultStagingFolder();

}  // namespace quorvel::platform
