#include "dos_outputs.h"

#include <algorithm>

#include "platform/command_line.h"
#include "platform/program_folder.h"
#include "waitable_timer.h"

namespace quorvel {

std::string WatchedProcessName;

namespace {

void raise(const std::function<void(const std::string&)>& event, const std::string& chunk) {
    if (event) event(chunk);
}

// The file name, without folder, of the program that a command line starts.
std::string programFileName(const std::string& commandLine) {
    const auto args = platform::splitWindowsCommandLine(commandLine);
    if (args.empty()) return "";
    const auto cut = args[0].find_last_of(std::string("/") + platform::pathSeparator());
    return cut == std::string::npos ? args[0] : args[0].substr(cut + 1);
}

// Our own child is a process of its program's name until it has ended. The process list can
// lag behind: right after the start it may still show the child under our own name.
bool ownChildWatched(platform::ChildProcess& child, const std::string& program) {
    return !WatchedProcessName.empty() &&
           platform::sameExecutableName(program, WatchedProcessName) && !child.reap();
}

// Keeps the list of running children right however the run is left (the wait may throw).
class ActiveChild {
public:
    ActiveChild(std::vector<platform::ChildProcess*>& children, platform::ChildProcess& child)
        : m_children(children), m_child(child) {
        m_children.push_back(&child);
    }
    ~ActiveChild() { std::erase(m_children, &m_child); }
    ActiveChild(const ActiveChild&) = delete;
    ActiveChild& operator=(const ActiveChild&) = delete;

private:
    std::vector<platform::ChildProcess*>& m_children;
    platform::ChildProcess& m_child;
};

}  // namespace

std::string DOSOutputs::ExecuteCommand(const std::string& CommandLine) {
    if (!CommandLine.empty()) m_commandLine = CommandLine;
    const platform::CodePage& codePage = m_platform.codePage;
    if (m_commandLine.empty()) {
        m_lastRunStarted = false;
        m_exitStatus.reset();
        m_platform.messages.showCritical("Command Line empty");
        return "";
    }
    std::unique_ptr<platform::ChildProcess> child = m_platform.children.create();
    const auto started = child->start(codePage.toAnsi(m_commandLine));
    if (started.failure != platform::StartFailure::None) {
        m_lastRunStarted = false;
        m_exitStatus.reset();
        m_platform.messages.showCritical(
            started.failure == platform::StartFailure::Pipe
                ? "CreatePipe failed. Error: " + std::to_string(started.errorNumber)
                : "File or command not found");
        return "";
    }
    m_outputs.clear();
    const std::string program = programFileName(codePage.toAnsi(m_commandLine));
    std::optional<int> exitStatus;
    {
        const ActiveChild active(m_children, *child);
        clsWaitableTimer timer(m_platform.pump);
        char buffer[kReadSize];
        for (bool running = true; running;) {
            child->reap();  // keeps the status; our own ended child must not linger as a zombie
            const auto waiting = child->bytesWaiting();
            if (!waiting || *waiting > 0) {
                // Waiting bytes are always read before the probe is asked, so nothing the
                // child wrote before it ended is lost.
                const auto got = child->read(buffer, sizeof buffer);
                running = got.has_value();
                const std::string chunk = codePage.fromAnsi({buffer, got.value_or(0)});
                m_outputs += chunk;
                raise(ReceiveOutputs, chunk);
            } else if (runIsOver(*child, program)) {
                // A quick child may write its last words and end while the probe scans; the
                // run is over only when, with no such process left, nothing is waiting either.
                const auto late = child->bytesWaiting();
                running = !late || *late > 0;
            }
            m_platform.pump.pumpOnce();
            timer.Wait(kPassMilliseconds);
        }
        child->reap();
        exitStatus = child->exitStatus();
    }
    child.reset();  // the process handles and the pipe are closed before CommandOver
    m_lastRunStarted = true;
    m_exitStatus = exitStatus;
    if (CommandOver) CommandOver();
    return m_outputs;
}

bool DOSOutputs::runIsOver(platform::ChildProcess& child, const std::string& program) const {
    // While the window closes, only our own child is waited for.
    if (m_terminating) return child.reap();
    return !ownChildWatched(child, program) && !IsProcessRunning(WatchedProcessName);
}

void DOSOutputs::terminateRuns(bool force) {
    m_terminating = true;
    for (platform::ChildProcess* child : m_children) child->terminate(force);
}

bool DOSOutputs::IsProcessRunning(const std::string& name) const {
    return m_platform.processes.isRunning(name);
}

}  // namespace quorvel
