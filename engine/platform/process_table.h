#pragma once
#include <string_view>

namespace quorvel::platform {

// True when a live process (zombies do not count) runs an executable whose file name, without
// folder, equals `exeName` ignoring ASCII case. An empty name matches nothing.
bool isProcessRunning(std::string_view exeName);

}  // namespace quorvel::platform
