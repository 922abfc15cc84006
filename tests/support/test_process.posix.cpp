#include "test_process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace quorvel::test {

struct TestProcess::Impl {
    pid_t pid = -1;
    bool collected = false;
};

TestProcess::TestProcess(const std::string& program, const std::vector<std::string>& args)
    : m_impl(std::make_unique<Impl>()) {
    std::vector<std::string> all = {program};
    all.insert(all.end(), args.begin(), args.end());
    std::vector<char*> argv;
    for (auto& a : all) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn(&m_impl->pid, program.c_str(), nullptr, nullptr, argv.data(), environ);
}

TestProcess::~TestProcess() {
    if (!hasEnded()) kill();
    if (!m_impl->collected && m_impl->pid > 0) waitpid(m_impl->pid, nullptr, 0);
}

bool TestProcess::hasEnded() {
    if (m_impl->collected || m_impl->pid <= 0) return true;
    m_impl->collected = waitpid(m_impl->pid, nullptr, WNOHANG) == m_impl->pid;
    return m_impl->collected;
}

void TestProcess::kill() {
    if (m_impl->pid > 0 && !m_impl->collected) ::kill(m_impl->pid, SIGKILL);
}

unsigned long currentProcessId() { return static_cast<unsigned long>(getpid()); }

bool anUncollectedChildExists() {
    siginfo_t info{};
    // WNOWAIT: look without collecting, so the check itself changes nothing.
    return waitid(P_ALL, 0, &info, WEXITED | WNOHANG | WNOWAIT) == 0 && info.si_pid != 0;
}

void setEnvironment(const std::string& name, const std::string& value) {
    setenv(name.c_str(), value.c_str(), 1);
}

void unsetEnvironment(const std::string& name) { unsetenv(name.c_str()); }

}  // namespace quorvel::test
