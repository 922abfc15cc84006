#include "dos_outputs.h"

#include <chrono>
#include <fstream>
#include <thread>

#include "platform/code_page.h"
#include "platform/process_table.h"
#include "runner_fixture.h"

namespace quorvel::test {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

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

TEST_F(DOSOutputsTest, OutputWrittenJustBeforeTheChildEndsIsNeverLost) {
    // The child may write and end between the runner's look at the pipe and its process
    // probe; repeat so that the window is hit.
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(runner.ExecuteCommand(command("--stdout-text last")), "last");
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
        EXPECT_FALSE(anUncollectedChildExists()) << "a child was left as a zombie";
        EXPECT_FALSE(platform::isProcessRunning(helperName()));
    }
}

TEST_F(DOSOutputsTest, StartFailuresShowTheirMessageAndRaiseNoEvent) {
    runner.ExecuteCommand(command("--stdout-text before"));
    chunks.clear();
    commandOvers = 0;
    messages.texts.clear();

    DOSOutputs fresh(realRunnerPlatform(pump, messages));
    EXPECT_EQ(fresh.ExecuteCommand(), "");
    EXPECT_EQ(runner.ExecuteCommand((m_dir / "missing.exe").string() + " -quality 85%"), "");
    EXPECT_EQ(runner.ExecuteCommand("no-such-program-quorvel-test x"), "");
    EXPECT_EQ(messages.texts,
              (std::vector<std::string>{"Command Line empty", "File or command not found",
                                        "File or command not found"}));
    EXPECT_TRUE(chunks.empty());
    EXPECT_EQ(commandOvers, 0);
    EXPECT_FALSE(runner.lastRunStarted());
    EXPECT_EQ(runner.exitStatus(), std::nullopt);
    EXPECT_EQ(runner.Outputs(), "before");  // a run that never started leaves Outputs alone
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
    const std::vector<std::string> args = {
        "--record",          record.string(), "--tail",       "my photo $HOME `id` a;b|c&d > e",
        R"(quote " inside)", R"(C:\out\)",    "Фото 写真 été"};
    std::string line = platform::quoteWindowsArgument(helper());
    for (const auto& a : args) line += " " + platform::quoteWindowsArgument(a);
    runner.ExecuteCommand(line);
    std::ifstream in(record);
    std::vector<std::string> received;
    for (std::string l; std::getline(in, l);) received.push_back(l);
    ASSERT_EQ(received.size(), args.size() + 1);
    EXPECT_EQ(fs::path(received[0]).filename(), helperName());
    // What cannot pass through the narrow code page arrives as "?" (only on Windows).
    std::vector<std::string> expected;
    for (const auto& a : args) expected.push_back(platform::systemCodePage().toAnsi(a));
    EXPECT_EQ(std::vector<std::string>(received.begin() + 1, received.end()), expected);
}

TEST_F(DOSOutputsTest, AnotherProcessOfTheWatchedNameKeepsTheRunWaiting) {
    const auto start = Clock::now();
    TestProcess other(helper(), {"--sleep", "700"});
    runner.ExecuteCommand(command("--stdout-text done"));
    EXPECT_GE(Clock::now() - start, 600ms);
    EXPECT_TRUE(other.hasEnded()) << "the run ended before the other process";
}

TEST_F(DOSOutputsTest, EmptyWatchedNameEndsTheRunAtTheFirstEmptyPass) {
    WatchedProcessName = "";
    // A name no other test watches, so the child left running disturbs no one.
    const std::string name = "qvt-unwatched-" + std::to_string(currentProcessId()) + ".exe";
    runner.ExecuteCommand(platform::quoteWindowsArgument(helper(name)) + " --sleep 3000");
    EXPECT_TRUE(platform::isProcessRunning(name)) << "the run waited for its child";
    EXPECT_EQ(runner.exitStatus(), std::nullopt);
    EXPECT_EQ(commandOvers, 1);
    for (int i = 0; i < 500 && platform::isProcessRunning(name); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(platform::isProcessRunning(name));
}

TEST_F(DOSOutputsTest, WatchedNameMatchesRegardlessOfCase) {
    // Only the probe can keep this run waiting: its own child has another name and ends at
    // once, and the process it must find is written in capitals.
    const std::string upper = "QVT-CAPS-" + std::to_string(currentProcessId()) + ".EXE";
    WatchedProcessName = "qvt-caps-" + std::to_string(currentProcessId()) + ".exe";
    TestProcess other(helper(upper), {"--sleep", "700"});
    // Until its exec is through, the new process still bears this test's name.
    for (int i = 0; i < 500 && !platform::isProcessRunning(upper); ++i)
        std::this_thread::sleep_for(1ms);
    runner.ExecuteCommand(command("--stdout-text quick"));
    EXPECT_TRUE(other.hasEnded()) << "the run ended before the process in capitals";
}

TEST_F(DOSOutputsTest, EventsArePumpedThroughoutTheRun) {
    runner.ExecuteCommand(command("--sleep 300"));
    // One direct pump and at least one inside the wait, on each of several passes: six 50 ms
    // passes at best, and still three when a busy machine stretches each to 150 ms.
    EXPECT_GE(pump.pumps(), 6);
}

TEST_F(DOSOutputsTest, ProcessProbeComparesNamesLongerThanTheKernelKeeps) {
    const std::string longName =
        "qvt-a-rather-long-converter-" + std::to_string(currentProcessId()) + ".exe";
    TestProcess process(helper(longName), {"--sleep", "3000"});
    EXPECT_TRUE(platform::isProcessRunning(longName));
    EXPECT_FALSE(platform::isProcessRunning(longName.substr(0, 15)));
    EXPECT_FALSE(platform::isProcessRunning(longName.substr(0, longName.size() - 1)));
    process.kill();
    // A killed process that is not yet collected is a zombie, and zombies do not count.
    for (int i = 0; i < 100 && platform::isProcessRunning(longName); ++i)
        std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(platform::isProcessRunning(longName));
}

}  // namespace
}  // namespace quorvel::test
