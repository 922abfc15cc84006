#pragma once
// Starting and ending processes from tests, on either platform.
#include <memory>
#include <string>
#include <vector>

namespace quorvel::test {

class TestProcess {
public:
    // Starts program with args directly (no shell, no pipes).
    TestProcess(const std::string& program, const std::vector<std::string>& args);
    ~TestProcess();  // kills the process if it still runs, and collects it
    bool hasEnded();
    void kill();

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// This process's id, to make file and process names unique between concurrent test runs.
unsigned long currentProcessId();

// True when a child of this process has ended but was never collected (a zombie). Windows has
// no zombies: a child's handle, once closed, leaves nothing behind.
bool anUncollectedChildExists();

// Sets or removes a variable of this process's environment, which the children it starts
// inherit.
void setEnvironment(const std::string& name, const std::string& value);
void unsetEnvironment(const std::string& name);

}  // namespace quorvel::test
