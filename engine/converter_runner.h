#pragma once
// The batch hands each converter command line to a runner and learns how the run went.
#include <optional>
#include <string>

namespace quorvel {

struct ConverterRun {
    bool started = false;           // false: the runner could not start it (and said so)
    std::optional<int> exitStatus;  // the converter's exit status, when it was collected
    std::string output;             // what the converter wrote to stdout and stderr, or the
                                    // error that interrupted the wait
    bool interrupted = false;       // the wait was left in its middle by an error
};

class ConverterRunner {
public:
    virtual ~ConverterRunner() = default;
    // Runs the command line and returns once the converter has ended. The window's events
    // keep being handled meanwhile (a drop, a tick, the window's closing may run inside).
    virtual ConverterRun run(const std::string& commandLine) = 0;
};

}  // namespace quorvel
