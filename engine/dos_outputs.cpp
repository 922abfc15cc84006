#include "dos_outputs.h"

#include <algorithm>
#include <cctype>

#include "platform/child_process.h"
#include "platform/command_line.h"
#include "platform/process_table.h"
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

}  // namespace

std::string DOSOutputs::ExecuteCommand(const std::string& CommandLine) {
    if (!CommandLine.empty()) m_commandLine = CommandLine;
    m_lastRunStarted = false;
    m_exitStatus.reset();
    if (m_commandLine.empty()) {
        m_messages.showCritical("Command Line empty");
        return "";
    }
    platform::ChildProcess child;
    const auto started = child.start(m_codePage.toAnsi(m_commandLine));
    if (started.failure == platform::StartFailure::Pipe) {
        m_messages.showCritical("CreatePipe failed. Error: " +
                                std::to_string(started.errorNumber));
        return "";
    }
    if (started.failure == platform::StartFailure::Spawn) {
        m_messages.showCritical("File or command not found");
        return "";
    }
    m_lastRunStarted = true;
    m_outputs.clear();
    const std::string program = programFileName(m_codePage.toAnsi(m_commandLine));

    clsWaitableTimer timer(m_pump);
    char buffer[kReadSize];
    for (bool running = true; running;) {
        child.reap();  // keeps the status; our own ended child must not linger as a zombie
        const auto waiting = child.bytesWaiting();
        if (!waiting || *waiting > 0) {
            // Waiting bytes are always read before the probe is asked, so nothing the child
            // wrote before it ended is lost.
            const auto got = child.read(buffer, sizeof buffer);
            running = got.has_value();
            const std::string chunk = m_codePage.fromAnsi({buffer, got.value_or(0)});
            m_outputs += chunk;
            raise(ReceiveOutputs, chunk);
        } else if (!ownChildWatched(child, program) && !IsProcessRunning(WatchedProcessName)) {
            // A quick child may write its last words and end while the probe scans; the run
            // is over only when, with no such process left, nothing is waiting either.
            const auto late = child.bytesWaiting();
            running = !late || *late > 0;
        }
        m_pump.pumpOnce();
        timer.Wait(kPassMilliseconds);
    }
    child.reap();
    m_exitStatus = child.exitStatus();
    if (CommandOver) CommandOver();
    return m_outputs;
}

bool DOSOutputs::IsProcessRunning(const std::string& name) const {
    return platform::isProcessRunning(name);
}

}  // namespace quorvel
