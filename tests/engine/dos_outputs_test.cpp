#include "dos_outputs.h"

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>

#include "platform/command_line.h"
#include "platform/process_table.h"

extern char** environ;

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

class RecordedMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// Copies the helper program into a fresh folder under a name of the test's choosing, so the
// runner's process probe sees only the processes this test starts.
class DOSOutputsTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quorvel-runner-" + std::to_string(getpid()) + "-" +
                 testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(m_dir);
        WatchedProcessName = helperName();
        runner.ReceiveOutputs = [this](const std::string& chunk) { chunks.push_back(chunk); };
        runner.CommandOver = [this] { ++commandOvers; };
    }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string helperName() const { return "qvt-" + std::to_string(getpid()) + ".exe"; }
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
    DOSOutputs runner{pump, messages};
    std::vector<std::string> chunks;
    int commandOvers = 0;
};

pid_t spawnDirect(const std::string& program, std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = -1;
    EXPECT_EQ(posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ), 0);
    return pid;
}

std::string expectedPattern(std::size_t n) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) s += static_cast<char>('a' + i % 26);
    return s;
}

TEST_F(DOSOutputsTest, LongOutputArrivesInChunksOfAtMost1024BytesInOrder) {
    const std::string result = runner.ExecuteCommand(command("--stdout 3000"));
    EXPECT_EQ(result, expectedPattern(3000));
    EXPECT_EQ(runner.Outputs(), result);
    ASSERT_GE(chunks.size(), 3u);
    std::string joined;
    for (const auto& c : chunks) {
        EXPECT_LE(c.size(), DOSOutputs::kReadSize);
        joined += c;
    }
    EXPECT_EQ(joined, result);
    EXPECT_EQ(commandOvers, 1);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(DOSOutputsTest, StdoutAndStderrShareOnePipeInArrivalOrder) {
    const std::string result = runner.ExecuteCommand(
        command("--stdout-text one --stderr-text two --stdout-text three --stderr-text four"));
    EXPECT_EQ(result, "onetwothreefour");
}

TEST_F(DOSOutputsTest, ChildThatWritesNothingGivesNoChunkAndOneCommandOver) {
    runner.Outputs();  // starts empty
    EXPECT_EQ(runner.ExecuteCommand(command("--exit 0")), "");
    EXPECT_TRUE(chunks.empty());
    EXPECT_EQ(commandOvers, 1);
    EXPECT_EQ(runner.exitStatus(), 0);
    EXPECT_TRUE(runner.lastRunStarted());
}

TEST_F(DOSOutputsTest, KeepsTheExitStatusAndLeavesNoZombie) {
    for (int status : {0, 3, 255}) {
        runner.ExecuteCommand(command("--stderr-text failing --exit " + std::to_string(status)));
        EXPECT_EQ(runner.exitStatus(), status);
        int ignored;
        EXPECT_LE(waitpid(-1, &ignored, WNOHANG), 0) << "a child was left as a zombie";
    }
}

TEST_F(DOSOutputsTest, StartFailuresShowTheirMessageAndRaiseNoEvent) {
    runner.ExecuteCommand(command("--stdout-text before"));
    chunks.clear();
    commandOvers = 0;
    messages.texts.clear();

    DOSOutputs fresh(pump, messages);
    EXPECT_EQ(fresh.ExecuteCommand(), "");
    EXPECT_EQ(runner.ExecuteCommand((m_dir / "missing.exe").string() + " -quality 85%"), "");
    EXPECT_EQ(runner.ExecuteCommand("no-such-program-quorvel-test x"), "");
    EXPECT_EQ(messages.texts, (std::vector<std::string>{"Command Line empty",
                                                        "File or command not found",
                                                        "File or command not found"}));
    EXPECT_TRUE(chunks.empty());
    EXPECT_EQ(commandOvers, 0);
    EXPECT_FALSE(runner.lastRunStarted());
    EXPECT_EQ(runner.exitStatus(), std::nullopt);
    EXPECT_EQ(runner.Outputs(), "before");  // a run that never started leaves Outputs alone
}

TEST_F(DOSOutputsTest, PipeFailureShowsTheErrorNumber) {
    const std::string line = command("--exit 0");  // copy the helper while files can be opened
    // UBSan checks a virtual call's object type once, and that check needs a pipe of its own:
    // let it happen while descriptors are still free.
    runner.ExecuteCommand("");
    messages.texts.clear();
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &saved), 0);
    const int lowestFree = dup(0);
    ASSERT_GE(lowestFree, 0);
    close(lowestFree);
    rlimit tight = saved;
    tight.rlim_cur = static_cast<rlim_t>(lowestFree);  // no descriptor left for a pipe
    ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &tight), 0);
    const std::string result = runner.ExecuteCommand(line);
    setrlimit(RLIMIT_NOFILE, &saved);
    EXPECT_EQ(result, "");
    EXPECT_EQ(messages.texts, std::vector<std::string>{"CreatePipe failed. Error: 24"});
    EXPECT_EQ(commandOvers, 0);
}

TEST_F(DOSOutputsTest, ANonEmptyArgumentReplacesCommandLine) {
    runner.CommandLine(command("--stdout-text old"));
    const std::string replacement = command("--stdout-text new");
    EXPECT_EQ(runner.ExecuteCommand(replacement), "new");
    EXPECT_EQ(runner.CommandLine(), replacement);
    EXPECT_EQ(runner.ExecuteCommand(), "new");  // and stays for the next run
}

TEST_F(DOSOutputsTest, ArgumentsReachTheChildExactlyWithoutAShell) {
    const fs::path record = m_dir / "argv.txt";
    const std::vector<std::string> args = {"--record", record.string(), "--tail",
                                           "my photo $HOME `id` a;b|c&d > e",
                                           R"(quote " inside)", R"(C:\out\)", "Фото 写真 été"};
    std::string line = platform::quoteWindowsArgument(helper());
    for (const auto& a : args) line += " " + platform::quoteWindowsArgument(a);
    runner.ExecuteCommand(line);
    std::ifstream in(record);
    std::vector<std::string> received;
    for (std::string l; std::getline(in, l);) received.push_back(l);
    ASSERT_EQ(received.size(), args.size() + 1);
    EXPECT_EQ(fs::path(received[0]).filename(), helperName());
    EXPECT_EQ(std::vector<std::string>(received.begin() + 1, received.end()), args);
}

TEST_F(DOSOutputsTest, AnotherProcessOfTheWatchedNameKeepsTheRunWaiting) {
    const auto start = Clock::now();
    const pid_t other = spawnDirect(helper(), {"--sleep", "700"});
    runner.ExecuteCommand(command("--stdout-text done"));
    EXPECT_GE(Clock::now() - start, 600ms);
    int status = 0;
    EXPECT_EQ(waitpid(other, &status, WNOHANG), other) << "the run ended before the other process";
}

TEST_F(DOSOutputsTest, EmptyWatchedNameEndsTheRunAtTheFirstEmptyPass) {
    WatchedProcessName = "";
    const auto start = Clock::now();
    runner.ExecuteCommand(command("--sleep 5000"));
    EXPECT_LT(Clock::now() - start, 4s);
    EXPECT_EQ(runner.exitStatus(), std::nullopt);  // still running: not waited for
    EXPECT_EQ(commandOvers, 1);
}

TEST_F(DOSOutputsTest, WatchedNameMatchesRegardlessOfCase) {
    const std::string upper = "QVT-CAPS-" + std::to_string(getpid()) + ".EXE";
    WatchedProcessName = "qvt-caps-" + std::to_string(getpid()) + ".exe";
    const std::string line = platform::quoteWindowsArgument(helper(upper)) + " --sleep 600";
    const auto start = Clock::now();
    runner.ExecuteCommand(line);
    EXPECT_GE(Clock::now() - start, 500ms);
    EXPECT_EQ(runner.exitStatus(), 0);
}

TEST_F(DOSOutputsTest, EventsArePumpedThroughoutTheRun) {
    runner.ExecuteCommand(command("--sleep 300"));
    // One direct pump and at least one inside the wait, on each of several passes.
    EXPECT_GE(pump.pumps(), 8);
}

TEST_F(DOSOutputsTest, ProcessProbeComparesNamesLongerThanTheKernelKeeps) {
    const std::string longName = "qvt-a-rather-long-converter-" + std::to_string(getpid()) + ".exe";
    const pid_t pid = spawnDirect(helper(longName), {"--sleep", "3000"});
    EXPECT_TRUE(platform::isProcessRunning(longName));
    EXPECT_FALSE(platform::isProcessRunning(longName.substr(0, 15)));
    EXPECT_FALSE(platform::isProcessRunning(longName.substr(0, longName.size() - 1)));
    kill(pid, SIGKILL);
    // A killed process that is not yet reaped is a zombie, and zombies do not count.
    for (int i = 0; i < 100 && platform::isProcessRunning(longName); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(platform::isProcessRunning(longName));
    waitpid(pid, nullptr, 0);
}

}  // namespace
}  // namespace quorvel
