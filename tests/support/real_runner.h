#pragma once
// The runner over this machine's real processes, for the tests and benchmarks that start
// real children; the program itself builds its runner in its composition root.
#include "dos_outputs.h"

namespace quorvel::test {

inline DOSOutputs::Platform realRunnerPlatform(platform::EventPump& pump,
                                               platform::UserMessages& messages) {
    return {pump, messages, platform::systemCodePage(), platform::systemChildProcesses(),
            platform::systemProcessTable()};
}

}  // namespace quorvel::test
