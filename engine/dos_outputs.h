#pragma once
// DOSOutputs: runs one command line as a hidden child, collects what it writes to stdout and
// stderr, and waits for it without freezing the window: every 50 ms it reads what is waiting
// or, when nothing is, asks whether a process named WatchedProcessName still runs.
#include <functional>
#include <optional>
#include <string>

#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/user_messages.h"

namespace quorvel {

// The image name whose presence keeps a run waiting; read afresh at every probe.
extern std::string WatchedProcessName;

class DOSOutputs {
public:
    DOSOutputs(platform::EventPump& pump, platform::UserMessages& messages,
               const platform::CodePage& codePage = platform::systemCodePage())
        : m_pump(pump), m_messages(messages), m_codePage(codePage) {}

    const std::string& CommandLine() const { return m_commandLine; }
    void CommandLine(std::string DOSCommand) { m_commandLine = std::move(DOSCommand); }
    const std::string& Outputs() const { return m_outputs; }

    // Runs the command (a non-empty argument replaces CommandLine first) and returns the text
    // it wrote, or "" when it could not start; start failures are shown as critical messages.
    std::string ExecuteCommand(const std::string& CommandLine = "");

    // Raised synchronously on the calling thread: each chunk after it joined Outputs, and once
    // per started run just before ExecuteCommand returns.
    std::function<void(const std::string& CommandOutputs)> ReceiveOutputs;
    std::function<void()> CommandOver;

    // The exit status of the last started run's child, once it was collected; nullopt when the
    // run did not start or its child still ran when the run ended.
    std::optional<int> exitStatus() const { return m_exitStatus; }
    // Whether the last ExecuteCommand started its child (false after a start failure).
    bool lastRunStarted() const { return m_lastRunStarted; }

    static constexpr std::size_t kReadSize = 1024;
    static constexpr int kPassMilliseconds = 50;

private:
    bool IsProcessRunning(const std::string& name) const;

    platform::EventPump& m_pump;
    platform::UserMessages& m_messages;
    const platform::CodePage& m_codePage;
    std::string m_commandLine;
    std::string m_outputs;
    std::optional<int> m_exitStatus;
    bool m_lastRunStarted = false;
};

}  // namespace quorvel
