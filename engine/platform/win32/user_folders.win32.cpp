#include "platform/user_folders.h"

namespace quorvel::platform {

// Fixed folders on the system drive, where users of the program expect them.
std::string defaultOutputFolder() { return "C:\\output"; }

std::string defaultStagingFolder() { return "c:\\tmp"; }

}  // namespace quorvel::platform
