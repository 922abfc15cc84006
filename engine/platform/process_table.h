#pragma once
#include <string_view>

namespace quorvel::platform {

// True when a live process (zombies do not count) runs an executable whose file name, without
// folder, equals `exeName` ignoring ASCII case. An empty name matches nothing.
bool isProcessRunning(std::string_view exeName);

// The probe's rule for two executable file names: equal ignoring ASCII case.
bool sameExecutableName(std::string_view a, std::string_view b);

}  // namespace quorvel::platform
