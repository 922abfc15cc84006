#include "converter_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>

extern char** environ;

namespace quorvel::converter::testing_support {
namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1, write = -1;
    Pipe() {
        int ends[2];
        if (pipe2(ends, O_CLOEXEC) == 0) {
            read = ends[0];
            write = ends[1];
        }
    }
};

pid_t spawn(const std::vector<std::string>& arguments, Pipe& out, Pipe& err) {
    std::vector<char*> argv;
    std::string program = CONVERTER_PATH;
    argv.push_back(program.data());
    std::vector<std::string> copies = arguments;
    for (std::string& argument : copies) argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out.write, 1);
    posix_spawn_file_actions_adddup2(&actions, err.write, 2);
    pid_t pid = -1;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
    posix_spawn_file_actions_destroy(&actions);
    close(out.write);
    close(err.write);
    return pid;
}

// Reads what is waiting on both pipes; false once both are at their end.
bool drain(std::array<pollfd, 2>& fds, std::string& out, std::string& err, int waitMs) {
    if (fds[0].fd < 0 && fds[1].fd < 0) return false;
    if (poll(fds.data(), fds.size(), waitMs) <= 0) return true;
    for (std::size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP))) continue;
        char buffer[4096];
        const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
        if (got > 0) {
            (i == 0 ? out : err).append(buffer, static_cast<std::size_t>(got));
        } else {
            close(fds[i].fd);
            fds[i].fd = -1;
        }
    }
    return true;
}

}  // namespace

std::string ConverterRun::firstErrorLine() const { return errors.substr(0, errors.find('\n')); }

ConverterRun runConverter(const std::vector<std::string>& arguments, RunOptions options) {
    ConverterRun run;
    Pipe out, err;
    const pid_t pid = spawn(arguments, out, err);
    if (pid < 0) return run;
    std::array<pollfd, 2> fds{{{out.read, POLLIN, 0}, {err.read, POLLIN, 0}}};
    const auto start = Clock::now();
    bool terminated = false;
    while (drain(fds, run.output, run.errors, 20)) {
        const auto elapsed = Clock::now() - start;
        if (options.terminateAfter && !terminated && elapsed >= *options.terminateAfter) {
            kill(pid, options.terminateSignal);
            terminated = true;
        }
        if (elapsed > options.timeLimit && !run.timedOut) {
            kill(pid, SIGKILL);
            run.timedOut = true;
        }
    }
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    if (WIFSIGNALED(status)) run.signal = WTERMSIG(status);
    return run;
}

}  // namespace quorvel::converter::testing_support
