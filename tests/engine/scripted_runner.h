#pragma once
// The runner over a scripted child, process table and pump: every interleaving of output, end,
// probe and window event is set up exactly, with no real process and no real waiting.
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "runner_fixture.h"

namespace quorvel::test {

// What a scripted child does; shared with the test, which changes it as the run goes on.
struct ChildScript {
    bool startFails = false;
    std::string waiting;           // bytes in the pipe
    bool pipeBroken = false;       // the next read fails
    bool ended = false;
    std::optional<int> exitStatus;
    std::vector<bool> terminations;  // each terminate call, true when forced
    bool destroyed = false;
    std::function<void()> onPass;  // called at each bytesWaiting, before it answers
};

class ScriptedChild : public platform::ChildProcess {
public:
    explicit ScriptedChild(ChildScript& script) : m_script(script) {}
    ~ScriptedChild() override { m_script.destroyed = true; }
    platform::StartResult start(const std::string&) override {
        if (m_script.startFails) return {platform::StartFailure::Spawn, 2};
        return {};
    }
    std::optional<std::size_t> bytesWaiting() const override {
        if (m_script.onPass) m_script.onPass();
        if (m_script.pipeBroken) return std::nullopt;
        return m_script.waiting.size();
    }
    std::optional<std::size_t> read(char* buffer, std::size_t capacity) override {
        if (m_script.pipeBroken || m_script.waiting.empty()) return std::nullopt;
        const std::size_t n = std::min(capacity, m_script.waiting.size());
        m_script.waiting.copy(buffer, n);
        m_script.waiting.erase(0, n);
        return n;
    }
    bool reap() override { return m_script.ended; }
    std::optional<int> exitStatus() const override {
        return m_script.ended ? m_script.exitStatus : std::nullopt;
    }
    void terminate(bool force) override {
        m_script.terminations.push_back(force);
        m_script.ended = true;
        m_script.exitStatus = 128 + (force ? 9 : 15);
    }

private:
    ChildScript& m_script;
};

// Each run takes the next script.
class ScriptedChildren : public platform::ChildProcesses {
public:
    std::unique_ptr<platform::ChildProcess> create() override {
        scripts.emplace_back();
        if (onCreate) onCreate(scripts.back());
        return std::make_unique<ScriptedChild>(scripts.back());
    }
    std::deque<ChildScript> scripts;  // a deque: references stay valid as runs are added
    std::function<void(ChildScript&)> onCreate;
};

// Answers each probe through `answer`, and keeps the names it was asked about.
class ScriptedProcessTable : public platform::ProcessTable {
public:
    bool isRunning(std::string_view exeName) const override {
        probes.emplace_back(exeName);
        return answer ? answer(exeName) : false;
    }
    std::function<bool(std::string_view)> answer;
    mutable std::vector<std::string> probes;
};

// No real waiting: every sleep reaches its deadline at once.
class InstantPump : public platform::EventPump {
public:
    void pumpOnce() override {
        ++pumps;
        if (onPump) onPump();
    }
    bool sleepUntil(Clock::time_point) override { return true; }
    int pumps = 0;
    std::function<void()> onPump;
};

class ScriptedRunnerTest : public testing::Test {
protected:
    void SetUp() override {
        WatchedProcessName = "convert.exe";
        runner.ReceiveOutputs = [this](const std::string& chunk) { chunks.push_back(chunk); };
        runner.CommandOver = [this] { ++commandOvers; };
    }

    InstantPump pump;
    RecordedMessages messages;
    ScriptedChildren children;
    ScriptedProcessTable processes;
    DOSOutputs runner{{pump, messages, platform::identityCodePage(), children, processes}};
    std::vector<std::string> chunks;
    int commandOvers = 0;
    static constexpr const char* kLine = "/p/data/convert.exe -quality 85% a.NEF b.JPG";
};

}  // namespace quorvel::test
