#pragma once
// DOSOutputs: runs one command line as a hidden child, collects what it writes to stdout and
// stderr, and waits for it without freezing the window: every 50 ms it reads what is waiting
// or, when nothing is, asks whether a process named WatchedProcessName still runs.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/child_process.h"
#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/process_table.h"
#include "platform/user_messages.h"

namespace quorvel {

// The image name whose presence keeps a run waiting; read afresh at every probe.
extern std::string WatchedProcessName;

class DOSOutputs {
public:
    // Everything it touches of the platform is handed in, so tests can script the child and
    // the process table and so decide every interleaving of output, end and probe.
    struct Platform {
        platform::EventPump& pump;
        platform::UserMessages& messages;
        const platform::CodePage& codePage;
        platform::ChildProcesses& children;
        const platform::ProcessTable& processes;
    };
    explicit DOSOutputs(const Platform& platform) : m_platform(platform) {}

    const std::string& CommandLine() const { return m_commandLine; }
    void CommandLine(std::string DOSCommand) { m_commandLine = std::move(DOSCommand); }
    const std::string& Outputs() const { return m_outputs; }

    // Runs the command (a non-empty argument replaces CommandLine first) and returns the text
    // it wrote, or "" when it could not start; start failures are shown as critical messages.
    std::string ExecuteCommand(const std::string& CommandLine = "");

    // Raised synchronously on the calling thread: each chunk after it joined Outputs, and once
    // per started run, after its pipe and process handles are closed, just before
    // ExecuteCommand returns.
    std::function<void(const std::string& CommandOutputs)> ReceiveOutputs;
    std::function<void()> CommandOver;

    // The exit status of the last started run's child, once it was collected; nullopt when the
    // run did not start or its child still ran when the run ended.
    std::optional<int> exitStatus() const { return m_exitStatus; }
    // Whether the last ExecuteCommand started its child (false after a start failure). Both
    // describe the run that returned last, so a nested run cannot overwrite its outer one's.
    bool lastRunStarted() const { return m_lastRunStarted; }

    // The window is closing: every running child is asked to end (or, with `force`, ended
    // outright), and each run then ends as soon as its own child has, without waiting for
    // other processes of the watched name.
    void terminateRuns(bool force);
    // Whether a run is in progress (nested ones included).
    bool running() const { return !m_children.empty(); }

    static constexpr std::size_t kReadSize = 1024;
    static constexpr int kPassMilliseconds = 50;

private:
    bool IsProcessRunning(const std::string& name) const;
    bool runIsOver(platform::ChildProcess& child, const std::string& program) const;

    Platform m_platform;
    std::vector<platform::ChildProcess*> m_children;  // of the runs in progress, outermost first
    bool m_terminating = false;
    std::string m_commandLine;
    std::string m_outputs;
    std::optional<int> m_exitStatus;
    bool m_lastRunStarted = false;
};

}  // namespace quorvel
