#include "platform/child_process.h"

#include <windows.h>

#include <vector>

namespace quorvel::platform {
namespace {

void closeHandle(HANDLE& h) {
    if (h) CloseHandle(h);
    h = nullptr;
}

struct Child {
    HANDLE readEnd = nullptr;
    PROCESS_INFORMATION info{};
    bool ended = false;
    std::optional<int> status;

    ~Child() {
        // The process handle, then the thread handle, then the pipe's read end.
        closeHandle(info.hProcess);
        closeHandle(info.hThread);
        closeHandle(readEnd);
    }
};

class SystemChildProcess final : public ChildProcess {
public:
    StartResult start(const std::string& commandLine) override;
    std::optional<std::size_t> bytesWaiting() const override;
    std::optional<std::size_t> read(char* buffer, std::size_t capacity) override;
    bool reap() override;
    std::optional<int> exitStatus() const override { return m_child.status; }
    void terminate(bool force) override;

private:
    Child m_child;
};

class SystemChildProcesses final : public ChildProcesses {
public:
    std::unique_ptr<ChildProcess> create() override {
        return std::make_unique<SystemChildProcess>();
    }
};

}  // namespace

ChildProcesses& systemChildProcesses() {
    static SystemChildProcesses processes;
    return processes;
}


StartResult SystemChildProcess::start(const std::string& commandLine) {
    // Both ends inheritable, so the child can take the write end as its stdout and stderr.
    SECURITY_ATTRIBUTES attributes{};
    attributes.nLength = sizeof attributes;
    attributes.lpSecurityDescriptor = nullptr;
    attributes.bInheritHandle = TRUE;
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &attributes, 0))
        return {StartFailure::Pipe, int(GetLastError())};

    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    // Our own handles and a hidden window; no standard input at all.
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = nullptr;
    startup.hStdOutput = writeEnd;
    startup.hStdError = writeEnd;

    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back('\0');  // CreateProcessA may write into the command line
    PROCESS_INFORMATION info{};
    const BOOL started = CreateProcessA(nullptr, line.data(), &attributes, &attributes,
                                        TRUE,  // the child inherits the pipe's write end
                                        NORMAL_PRIORITY_CLASS, nullptr, nullptr, &startup, &info);
    if (started != TRUE) {
        const int error = int(GetLastError());
        closeHandle(readEnd);
        closeHandle(writeEnd);
        return {StartFailure::Spawn, error};
    }
    // Only the child may hold a write end now, so the pipe breaks when the child is gone.
    closeHandle(writeEnd);
    m_child.readEnd = readEnd;
    m_child.info = info;
    m_child.ended = false;
    m_child.status.reset();
    return {};
}

std::optional<std::size_t> SystemChildProcess::bytesWaiting() const {
    DWORD available = 0;
    if (PeekNamedPipe(m_child.readEnd, nullptr, 0, nullptr, &available, nullptr))
        return std::size_t(available);
    // Every writer gone and the pipe drained: nothing is waiting, as FIONREAD says on Linux,
    // so the process probe still decides when the run ends.
    if (GetLastError() == ERROR_BROKEN_PIPE) return std::size_t(0);
    return std::nullopt;
}

std::optional<std::size_t> SystemChildProcess::read(char* buffer, std::size_t capacity) {
    DWORD got = 0;
    if (!ReadFile(m_child.readEnd, buffer, DWORD(capacity), &got, nullptr) || got == 0)
        return std::nullopt;
    return std::size_t(got);
}

bool SystemChildProcess::reap() {
    if (m_child.ended) return true;
    if (!m_child.info.hProcess) return false;
    const DWORD waited = WaitForSingleObject(m_child.info.hProcess, 0);
    if (waited == WAIT_TIMEOUT) return false;
    // A wait that fails cannot tell us more later: the child counts as ended, status unknown.
    m_child.ended = true;
    DWORD code = 0;
    if (waited == WAIT_OBJECT_0 && GetExitCodeProcess(m_child.info.hProcess, &code))
        m_child.status = int(code);
    return true;
}

void SystemChildProcess::terminate(bool) {
    // Windows has no polite request to a console-less child: both ways end it at once.
    if (m_child.info.hProcess && !m_child.ended) TerminateProcess(m_child.info.hProcess, 1);
}

}  // namespace quorvel::platform
