// The runner's interleavings, each set up exactly through the scripted child and process table.
#include "scripted_runner.h"

namespace quorvel::test {
namespace {

TEST_F(ScriptedRunnerTest, OutputWrittenWhileTheProbeScansIsStillCollected) {
    ChildScript* script = nullptr;
    children.onCreate = [&](ChildScript& s) { script = &s; };
    // The child writes its last words and ends exactly while the probe looks for it.
    processes.answer = [&](std::string_view) {
        if (script && !script->ended) {
            script->waiting = "last words";
            script->ended = true;
        }
        return false;
    };
    EXPECT_EQ(runner.ExecuteCommand("/p/other.exe y"), "last words");
    EXPECT_EQ(chunks.back(), "last words");
}

TEST_F(ScriptedRunnerTest, OurOwnChildKeepsTheRunWaitingWhileTheProcessListLags) {
    int passes = 0;
    children.onCreate = [&](ChildScript& s) {
        s.onPass = [&passes, &s] {
            if (++passes == 4) {
                s.waiting = "done";
                s.ended = true;
                s.exitStatus = 0;
            }
        };
    };
    processes.answer = [](std::string_view) { return false; };  // never lists our child
    EXPECT_EQ(runner.ExecuteCommand(kLine), "done");
    EXPECT_GE(passes, 4);
    EXPECT_EQ(runner.exitStatus(), 0);
}

TEST_F(ScriptedRunnerTest, AnotherProcessOfTheWatchedNameKeepsTheRunWaiting) {
    children.onCreate = [](ChildScript& s) {
        s.ended = true;
        s.exitStatus = 0;
    };
    int probes = 0;
    processes.answer = [&](std::string_view name) {
        EXPECT_EQ(name, "convert.exe");
        return ++probes < 3;  // the other process ends at the third probe
    };
    runner.ExecuteCommand(kLine);
    EXPECT_EQ(probes, 3);
    EXPECT_EQ(commandOvers, 1);
}

TEST_F(ScriptedRunnerTest, TheWatchedNameIsReadAfreshAtEveryProbe) {
    children.onCreate = [](ChildScript& s) { s.ended = true; };
    processes.answer = [&](std::string_view name) {
        const bool running = name == "convert.exe";
        if (processes.probes.size() == 2) WatchedProcessName = "other.exe";
        return running;
    };
    runner.ExecuteCommand("/p/helper.exe x");
    EXPECT_EQ(processes.probes,
              (std::vector<std::string>{"convert.exe", "convert.exe", "other.exe"}));
}

TEST_F(ScriptedRunnerTest, AnEmptyWatchedNameEndsTheRunAtTheFirstEmptyPass) {
    WatchedProcessName = "";
    ChildScript* script = nullptr;
    children.onCreate = [&](ChildScript& s) { script = &s; };  // never ends
    EXPECT_EQ(runner.ExecuteCommand(kLine), "");
    ASSERT_NE(script, nullptr);
    EXPECT_FALSE(script->ended);
    EXPECT_TRUE(script->destroyed);  // let go of, never waited on
    EXPECT_EQ(runner.exitStatus(), std::nullopt);
    EXPECT_EQ(commandOvers, 1);
}

TEST_F(ScriptedRunnerTest, AFailedReadEndsTheRunWithAnEmptyChunk) {
    processes.answer = [](std::string_view) { return true; };  // the probe would keep it going
    children.onCreate = [](ChildScript& s) {
        s.waiting = "some";
        s.onPass = [&s] {
            if (s.waiting.empty()) s.pipeBroken = true;
        };
    };
    EXPECT_EQ(runner.ExecuteCommand(kLine), "some");
    EXPECT_EQ(chunks, (std::vector<std::string>{"some", ""}));
}

TEST_F(ScriptedRunnerTest, CommandOverComesAfterTheChildsHandlesAreClosed) {
    ChildScript* script = nullptr;
    children.onCreate = [&](ChildScript& s) {
        script = &s;
        s.ended = true;
    };
    bool closedAtCommandOver = false;
    runner.CommandOver = [&] { closedAtCommandOver = script && script->destroyed; };
    runner.ExecuteCommand(kLine);
    EXPECT_TRUE(closedAtCommandOver);
}

TEST_F(ScriptedRunnerTest, ANestedRunThatFailsToStartLeavesTheOuterRunsResult) {
    bool nested = false;
    children.onCreate = [&](ChildScript& s) {
        if (nested) {
            s.startFails = true;
            return;
        }
        s.onPass = [&s, this, &nested] {
            if (nested) return;
            nested = true;
            EXPECT_EQ(runner.ExecuteCommand("/p/missing.exe"), "");  // an event inside the run
            s.ended = true;
            s.exitStatus = 3;
        };
    };
    runner.ExecuteCommand(kLine);
    EXPECT_TRUE(runner.lastRunStarted());
    EXPECT_EQ(runner.exitStatus(), 3);
    EXPECT_EQ(messages.texts, std::vector<std::string>{"File or command not found"});
}

TEST_F(ScriptedRunnerTest, TerminatingEndsTheRunOnceItsOwnChildHasEnded) {
    processes.answer = [](std::string_view) { return true; };  // another window's converter
    int pumpsAtTermination = -1;
    pump.onPump = [&] {
        if (pump.pumps == 5) {
            pumpsAtTermination = pump.pumps;
            runner.terminateRuns(false);
        }
    };
    runner.ExecuteCommand(kLine);
    ASSERT_EQ(children.scripts.size(), 1u);
    EXPECT_EQ(children.scripts[0].terminations, std::vector<bool>{false});
    EXPECT_EQ(runner.exitStatus(), 128 + 15);
    EXPECT_FALSE(runner.running());
    EXPECT_GT(pump.pumps, pumpsAtTermination);
}

}  // namespace
}  // namespace quorvel::test
