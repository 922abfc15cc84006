#pragma once
#include <string_view>

namespace quorvel::platform {

// True when a live process (zombies do not count) runs an executable whose file name, without
// folder, equals `exeName` ignoring ASCII case. An empty name matches nothing. Never throws: a
// process that ends while it is looked at is simply not running.
bool isProcessRunning(std::string_view exeName);

// The probe's rule for two executable file names: equal ignoring ASCII case.
bool sameExecutableName(std::string_view a, std::string_view b);

// The process table as the runner asks it, so tests can script what it answers and when.
class ProcessTable {
public:
    virtual ~ProcessTable() = default;
    virtual bool isRunning(std::string_view exeName) const = 0;
};

// This machine's processes, through isProcessRunning.
const ProcessTable& systemProcessTable();

}  // namespace quorvel::platform
