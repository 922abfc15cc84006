#pragma once
// The real runner: the window's DOSOutputs (runDos). Sets its CommandLine, calls
// ExecuteCommand(""), and reports whether the run started, its exit status and its output.
#include "converter_runner.h"
#include "dos_outputs.h"

namespace quorvel {

class DOSOutputsRunner : public ConverterRunner {
public:
    explicit DOSOutputsRunner(DOSOutputs& runDos) : m_runDos(runDos) {}
    ConverterRun run(const std::string& commandLine) override;

private:
    DOSOutputs& m_runDos;
};

}  // namespace quorvel
