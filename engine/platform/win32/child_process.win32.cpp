#include "platform/child_process.h"

#include <windows.h>

#include <vector>

namespace quorvel::platform {
namespace {

void closeHandle(HANDLE& h) {
    if (h) CloseHandle(h);
    h = nullptr;
}

}  // namespace

struct ChildProcess::Impl {
    HANDLE readEnd = nullptr;
    PROCESS_INFORMATION info{};
    bool ended = false;
    std::optional<int> status;

    ~Impl() {
        // The process handle, then the thread handle, then the pipe's read end.
        closeHandle(info.hProcess);
        closeHandle(info.hThread);
        closeHandle(readEnd);
    }
};

ChildProcess::ChildProcess() : m_impl(std::make_unique<Impl>()) {}
ChildProcess::~ChildProcess() = default;

StartResult ChildProcess::start(const std::string& commandLine) {
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
    m_impl->readEnd = readEnd;
    m_impl->info = info;
    m_impl->ended = false;
    m_impl->status.reset();
    return {};
}

std::optional<std::size_t> ChildProcess::bytesWaiting() const {
    DWORD available = 0;
    if (PeekNamedPipe(m_impl->readEnd, nullptr, 0, nullptr, &available, nullptr))
        return std::size_t(available);
    // Every writer gone and the pipe drained: nothing is waiting, as FIONREAD says on Linux,
    // so the process probe still decides when the run ends.
    if (GetLastError() == ERROR_BROKEN_PIPE) return std::size_t(0);
    return std::nullopt;
}

std::optional<std::size_t> ChildProcess::read(char* buffer, std::size_t capacity) {
    DWORD got = 0;
    if (!ReadFile(m_impl->readEnd, buffer, DWORD(capacity), &got, nullptr) || got == 0)
        return std::nullopt;
    return std::size_t(got);
}

bool ChildProcess::reap() {
    if (m_impl->ended) return true;
    if (!m_impl->info.hProcess) return false;
    const DWORD waited = WaitForSingleObject(m_impl->info.hProcess, 0);
    if (waited == WAIT_TIMEOUT) return false;
    // A wait that fails cannot tell us more later: the child counts as ended, status unknown.
    m_impl->ended = true;
    DWORD code = 0;
    if (waited == WAIT_OBJECT_0 && GetExitCodeProcess(m_impl->info.hProcess, &code))
        m_impl->status = int(code);
    return true;
}

std::optional<int> ChildProcess::exitStatus() const { return m_impl->status; }

void ChildProcess::terminate(bool) {
    // Windows has no polite request to a console-less child: both ways end it at once.
    if (m_impl->info.hProcess && !m_impl->ended) TerminateProcess(m_impl->info.hProcess, 1);
}

}  // namespace quorvel::platform
