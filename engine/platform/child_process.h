#pragma once
// A hidden child process whose standard output and standard error share one pipe, and which
// gets no standard input. The command line follows the Windows C runtime's quoting rules, so
// the child receives exactly the arguments it would receive on Windows; no shell is involved.
// The runner sees children only through this interface, so tests can script every order in
// which a child writes, ends and vanishes from the process table.
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
    virtual ~ChildProcess() = default;  // closes the pipe; a running child is never waited on

    // commandLine is in the platform's narrow code page (UTF-8 on Linux).
    virtual StartResult start(const std::string& commandLine) = 0;

    // Bytes that can be read without blocking. Once every writer is gone and the pipe is
    // drained this is 0; nullopt means the question itself failed.
    virtual std::optional<std::size_t> bytesWaiting() const = 0;

    // Reads at most `capacity` bytes; nullopt when the read failed or the pipe is at its end.
    virtual std::optional<std::size_t> read(char* buffer, std::size_t capacity) = 0;

    // True once the child has ended, collecting its exit status without blocking. A child that
    // cannot be waited for at all (the system collected it already) has ended too.
    virtual bool reap() = 0;
    // The exit status once reaped: the exit code, or 128 + signal number for a killed child;
    // nullopt while it runs, and when the system collected it before we could.
    virtual std::optional<int> exitStatus() const = 0;

    // Asks a child that still runs to end (SIGTERM, so it can clean up after itself), or with
    // `force` ends it outright (SIGKILL; TerminateProcess on Windows, where both are the same).
    virtual void terminate(bool force) = 0;
};

// Makes the child of each run.
class ChildProcesses {
public:
    virtual ~ChildProcesses() = default;
    virtual std::unique_ptr<ChildProcess> create() = 0;
};

// Real processes of this platform.
ChildProcesses& systemChildProcesses();

}  // namespace quorvel::platform
