// A child that writes and ends within one pass of the runner: what it wrote must be collected
// even when it arrives while the runner asks for processes of the watched name.
#include <gtest/gtest.h>

#include <filesystem>

#include "dos_outputs.h"
#include "plain_event_pump.h"
#include "platform/command_line.h"
#include "real_runner.h"
#include "test_process.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

class NoMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { ADD_FAILURE() << text; }
};

TEST(DOSOutputsQuickChild, OutputWrittenDuringTheProbeIsCollected) {
    const fs::path dir =
        fs::temp_directory_path() / ("quorvel-quick-" + std::to_string(test::currentProcessId()));
    fs::create_directories(dir);
    const std::string name = "qq" + std::to_string(test::currentProcessId()) + ".exe";
    fs::copy_file(CHILD_HELPER_PATH, dir / name);
    WatchedProcessName = name;
    platform::PlainEventPump pump;
    NoMessages messages;
    DOSOutputs runner(test::realRunnerPlatform(pump, messages));
    const std::string line =
        platform::quoteWindowsArgument((dir / name).string()) + " --stdout-text done";
    int lost = 0;
    // The child is usually still starting at the first probe; a run in ten or so used to
    // end there with nothing read.
    for (int i = 0; i < 30; ++i) lost += runner.ExecuteCommand(line) != "done";
    EXPECT_EQ(lost, 0);
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quorvel
