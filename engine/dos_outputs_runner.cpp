#include "dos_outputs_runner.h"

namespace quorvel {

ConverterRun DOSOutputsRunner::run(const std::string& commandLine) {
    m_runDos.CommandLine(commandLine);
    ConverterRun result;
    result.output = m_runDos.ExecuteCommand("");
    result.started = m_runDos.lastRunStarted();
    result.exitStatus = m_runDos.exitStatus();
    return result;
}

}  // namespace quorvel
