#pragma once
// A hidden child process whose standard output and standard error share one pipe, and which
// gets no standard input. The command line follows the Windows C runtime's quoting rules, so
// the child receives exactly the arguments it would receive on Windows; no shell is involved.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace quorvel::platform {

enum class StartFailure { None, Pipe, Spawn };

struct StartResult {
    StartFailure failure = StartFailure::None;
    int errorNumber = 0;  // the platform's own error code (errno, GetLastError)
};

class ChildProcess {
public:
    ChildProcess();
    ~ChildProcess();  // closes the pipe; a child still running is reaped later, never waited on
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // commandLine is in the platform's narrow code page (UTF-8 on Linux).
    StartResult start(const std::string& commandLine);

    // Bytes that can be read without blocking. Once every writer is gone and the pipe is
    // drained this is 0; nullopt means the question itself failed.
    std::optional<std::size_t> bytesWaiting() const;

    // Reads at most `capacity` bytes; nullopt when the read failed or the pipe is at its end.
    std::optional<std::size_t> read(char* buffer, std::size_t capacity);

    // True once the child has ended, collecting its exit status without blocking. A child that
    // cannot be waited for at all (the system collected it already) has ended too.
    bool reap();
    // The exit status once reaped: the exit code, or 128 + signal number for a killed child;
    // nullopt while it runs, and when the system collected it before we could.
    std::optional<int> exitStatus() const;

    // Asks a child that still runs to end (SIGTERM, so it can clean up after itself), or with
    // `force` ends it outright (SIGKILL; TerminateProcess on Windows, where both are the same).
    void terminate(bool force);

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

}  // namespace quorvel::platform
