#include "platform/child_process.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>
#include <vector>

#include "platform/command_line.h"

extern char** environ;

namespace quorvel::platform {
namespace {

int statusFromWait(int status) {
    if (WIFEXITED(status)) return WEXITSTATUS(status);
    if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
    return -1;
}

// Children whose run ended while they still ran (the watched name was empty, say): they are
// reaped whenever another child starts, so none lingers as a zombie.
class Orphans {
public:
    void adopt(pid_t pid) {
        std::lock_guard lock(m_mutex);
        m_pids.push_back(pid);
    }
    void reapFinished() {
        std::lock_guard lock(m_mutex);
        std::erase_if(m_pids, [](pid_t pid) {
            int status = 0;
            const pid_t r = waitpid(pid, &status, WNOHANG);
            return r == pid || (r < 0 && errno == ECHILD);
        });
    }

private:
    std::mutex m_mutex;
    std::vector<pid_t> m_pids;
};

Orphans& orphans() {
    static Orphans instance;
    return instance;
}

void closeFd(int& fd) {
    if (fd >= 0) close(fd);
    fd = -1;
}

struct Child {
    int readEnd = -1;
    pid_t pid = -1;
    bool ended = false;
    std::optional<int> status;

    ~Child() {
        closeFd(readEnd);
        if (pid > 0 && !ended) orphans().adopt(pid);
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
    orphans().reapFinished();
    const auto args = splitWindowsCommandLine(commandLine);
    if (args.empty()) return {StartFailure::Spawn, ENOENT};

    int fds[2];
    // O_CLOEXEC: neither end may leak into children started later (or by other threads).
    if (pipe2(fds, O_CLOEXEC) != 0) return {StartFailure::Pipe, errno};
    int readEnd = fds[0], writeEnd = fds[1];

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    // The child gets no input, so a converter that asks for some sees end of file at once.
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // stdout and stderr both go to the one pipe, interleaved in the order they are written;
    // dup2 clears O_CLOEXEC on the copies, and the originals close on exec.
    posix_spawn_file_actions_adddup2(&actions, writeEnd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, writeEnd, STDERR_FILENO);

    std::vector<char*> argv;
    for (const auto& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);

    pid_t pid = -1;
    // A bare program name is looked up on PATH, as Windows does; a path is used as it is.
    const bool bareName = args[0].find('/') == std::string::npos;
    const int rc = bareName ? posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ)
                            : posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    // Only the child may hold a write end now, so the pipe ends when the child (and whatever
    // inherited its output) is gone.
    closeFd(writeEnd);
    if (rc != 0) {
        closeFd(readEnd);
        return {StartFailure::Spawn, rc};
    }
    m_child.readEnd = readEnd;
    m_child.pid = pid;
    m_child.ended = false;
    m_child.status.reset();
    return {};
}

std::optional<std::size_t> SystemChildProcess::bytesWaiting() const {
    int waiting = 0;
    if (ioctl(m_child.readEnd, FIONREAD, &waiting) != 0) return std::nullopt;
    return static_cast<std::size_t>(waiting);
}

std::optional<std::size_t> SystemChildProcess::read(char* buffer, std::size_t capacity) {
    ssize_t n;
    do {
        n = ::read(m_child.readEnd, buffer, capacity);
    } while (n < 0 && errno == EINTR);
    if (n <= 0) return std::nullopt;
    return static_cast<std::size_t>(n);
}

bool SystemChildProcess::reap() {
    if (m_child.ended) return true;
    if (m_child.pid <= 0) return false;
    int status = 0;
    pid_t r;
    do {
        r = waitpid(m_child.pid, &status, WNOHANG);
    } while (r < 0 && errno == EINTR);
    if (r == 0) return false;  // still running
    m_child.ended = true;
    // Any failure means the child is no longer ours to wait for: with SIGCHLD ignored (a
    // setting that survives exec) the kernel collects it itself and waitpid says ECHILD. Its
    // exit status is then unknown.
    if (r == m_child.pid) m_child.status = statusFromWait(status);
    return true;
}

void SystemChildProcess::terminate(bool force) {
    // Not yet reaped, so the id is still our child's and cannot belong to another process.
    if (m_child.pid > 0 && !m_child.ended) kill(m_child.pid, force ? SIGKILL : SIGTERM);
}

}  // namespace quorvel::platform
