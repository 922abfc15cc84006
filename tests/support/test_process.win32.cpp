#include "test_process.h"

#include <windows.h>

namespace quorvel::test {

struct TestProcess::Impl {
    PROCESS_INFORMATION info{};
};

namespace {

std::string quoted(const std::string& arg) { return "\"" + arg + "\""; }

}  // namespace

TestProcess::TestProcess(const std::string& program, const std::vector<std::string>& args)
    : m_impl(std::make_unique<Impl>()) {
    std::string line = quoted(program);
    for (const auto& a : args) line += " " + quoted(a);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    CreateProcessA(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                   &m_impl->info);
}

TestProcess::~TestProcess() {
    kill();
    if (m_impl->info.hProcess) {
        WaitForSingleObject(m_impl->info.hProcess, 10000);
        CloseHandle(m_impl->info.hProcess);
        CloseHandle(m_impl->info.hThread);
    }
}

bool TestProcess::hasEnded() {
    return !m_impl->info.hProcess ||
           WaitForSingleObject(m_impl->info.hProcess, 0) == WAIT_OBJECT_0;
}

void TestProcess::kill() {
    if (!hasEnded()) TerminateProcess(m_impl->info.hProcess, 1);
}

unsigned long currentProcessId() { return GetCurrentProcessId(); }

bool anUncollectedChildExists() { return false; }

// Both the C runtime's copy and the process's own block: CreateProcess hands the latter on.
void setEnvironment(const std::string& name, const std::string& value) {
    _putenv_s(name.c_str(), value.c_str());
    SetEnvironmentVariableA(name.c_str(), value.c_str());
}

void unsetEnvironment(const std::string& name) {
    _putenv_s(name.c_str(), "");
    SetEnvironmentVariableA(name.c_str(), nullptr);
}

}  // namespace quorvel::test
