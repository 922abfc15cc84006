#include "dos_outputs.h"

#include "platform/child_process.h"
#include "platform/process_table.h"
#include "waitable_timer.h"

namespace quorvel {

std::string WatchedProcessName;

namespace {

void raise(const std::function<void(const std::string&)>& event, const std::string& chunk) {
    if (event) event(chunk);
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
        } else if (!IsProcessRunning(WatchedProcessName)) {
            // The child may have written its last bytes and ended between the two questions:
            // once no writer can be left, what the pipe holds now is all there is, so ask
            // again rather than lose it.
            running = child.bytesWaiting().value_or(0) > 0;
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
