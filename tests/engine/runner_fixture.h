#pragma once
// The runner's tests: a DOSOutputs with a recording message sink, and the helper program copied
// into a fresh folder under a name of the test's choosing, so that the runner's process probe
// sees only the processes the test starts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dos_outputs.h"
#include "plain_event_pump.h"
#include "platform/command_line.h"
#include "real_runner.h"
#include "test_process.h"

namespace quorvel::test {

namespace fs = std::filesystem;

class RecordedMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

class DOSOutputsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quorvel-runner-" + std::to_string(currentProcessId()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        WatchedProcessName = helperName();
        runner.ReceiveOutputs = [this](const std::string& chunk) { chunks.push_back(chunk); };
        runner.CommandOver = [this] { ++commandOvers; };
    }
    void TearDown() override {
        std::error_code ignored;  // Windows keeps a running program's file: leave it then
        fs::remove_all(m_dir, ignored);
    }

    std::string helperName() const { return "qvt-" + std::to_string(currentProcessId()) + ".exe"; }
    std::string helper(const std::string& name) {
        const fs::path target = m_dir / name;
        if (!fs::exists(target)) fs::copy_file(CHILD_HELPER_PATH, target);
        return target.string();
    }
    std::string helper() { return helper(helperName()); }
    std::string command(const std::string& arguments) {
        return platform::quoteWindowsArgument(helper()) + " " + arguments;
    }

    fs::path m_dir;
    platform::PlainEventPump pump;
    RecordedMessages messages;
    DOSOutputs runner{realRunnerPlatform(pump, messages)};
    std::vector<std::string> chunks;
    int commandOvers = 0;
};

}  // namespace quorvel::test
