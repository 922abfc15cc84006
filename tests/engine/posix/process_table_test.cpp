// The /proc walk: a process that ends while the probe reads its files is simply not running,
// and the probe never throws, however fast processes come and go.
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>

#include <atomic>
#include <map>
#include <set>
#include <thread>

#include "platform/posix/proc_files.h"
#include "platform/process_table.h"
#include "test_process.h"

extern char** environ;

namespace quorvel::platform {
namespace {

using namespace std::string_literals;

struct ScriptedProcess {
    std::string stat;      // "" : the process ended before its stat could be read
    std::string cmdline;
    std::string exe;       // "" : the link cannot be read
};

// A listing whose processes may have ended by the time their files are read.
class ScriptedProcFiles : public ProcFiles {
public:
    std::vector<std::string> processIds() const override {
        std::vector<std::string> ids;
        for (const auto& [pid, process] : processes) ids.push_back(pid);
        return ids;
    }
    std::optional<std::string> read(const std::string& pid, std::string_view file) const override {
        reads.insert(pid);
        const ScriptedProcess& p = processes.at(pid);
        const std::string& text = file == "stat" ? p.stat : p.cmdline;
        if (text.empty()) return std::nullopt;
        return text;
    }
    std::optional<std::string> link(const std::string& pid, std::string_view) const override {
        const ScriptedProcess& p = processes.at(pid);
        if (p.exe.empty()) return std::nullopt;
        return p.exe;
    }

    std::map<std::string, ScriptedProcess> processes;
    mutable std::set<std::string> reads;
};

TEST(ProcWalk, AProcessThatEndsMidReadIsNotRunning) {
    ScriptedProcFiles proc;
    proc.processes["10"] = {"", "", ""};  // listed, gone before its stat was read
    proc.processes["11"] = {"11 (convert.exe) S 1 1", "", ""};
    EXPECT_TRUE(anyProcessNamed(proc, "convert.exe"));
    proc.processes.erase("11");
    EXPECT_FALSE(anyProcessNamed(proc, "convert.exe"));
}

TEST(ProcWalk, TableOfStatLines) {
    struct Case {
        const char* stat;
        const char* watched;
        bool running;
    };
    const Case cases[] = {
        {"42 (convert.exe) R 1 1", "convert.exe", true},
        {"42 (CONVERT.EXE) S 1 1", "convert.exe", true},
        {"42 (convert.exe) Z 1 1", "convert.exe", false},  // a zombie has ended
        {"42 (convert.exe) X 1 1", "convert.exe", false},
        {"42 (a) b) (c) S 1 1", "a) b) (c", true},          // the name runs to the last ')'
        {"42 (convert.exe", "convert.exe", false},          // cut short: no state
        {"42 convert.exe) S", "convert.exe", false},
        {")(", "convert.exe", false},
        {"42 (convert.exe) S 1 1", "", false},  // an empty name matches nothing
        {"42 (exe) S 1 1", "convert.exe", false},
    };
    for (const Case& c : cases) {
        ScriptedProcFiles proc;
        proc.processes["42"] = {c.stat, "", ""};
        EXPECT_EQ(anyProcessNamed(proc, c.watched), c.running) << c.stat;
    }
}

TEST(ProcWalk, LongNamesNeedTheLinkOrTheCommandLineAndSurviveTheirLoss) {
    const std::string longName = "a-rather-long-converter.exe";
    const std::string stat = "7 (a-rather-long-c) S 1 1";  // comm keeps 15 bytes
    ScriptedProcFiles proc;
    proc.processes["7"] = {stat, "", "/opt/q/data/a-rather-long-converter.exe (deleted)"};
    EXPECT_TRUE(anyProcessNamed(proc, longName));
    proc.processes["7"] = {stat, "/opt/q/a-rather-long-converter.exe\0-x"s, ""};
    EXPECT_TRUE(anyProcessNamed(proc, longName));
    proc.processes["7"] = {stat, "", ""};  // ended between its stat and its other files
    EXPECT_FALSE(anyProcessNamed(proc, longName));
}

TEST(ProcWalk, TheWalkGoesOnToTheEndAfterAMatch) {
    ScriptedProcFiles proc;
    proc.processes["1"] = {"1 (convert.exe) S 0 0", "", ""};
    proc.processes["2"] = {"2 (other) S 0 0", "", ""};
    proc.processes["3"] = {"3 (convert.exe) S 0 0", "", ""};
    EXPECT_TRUE(anyProcessNamed(proc, "convert.exe"));
    EXPECT_EQ(proc.reads, (std::set<std::string>{"1", "2", "3"}));
}

// Real processes that start and end as fast as the machine allows while the probe walks /proc:
// their files vanish between listing and reading, and nothing may throw.
TEST(ProcWalk, ManyShortProcessesNeverMakeTheProbeThrow) {
    std::atomic<bool> stop = false;
    std::thread churn([&] {
        char program[] = "/bin/true";
        char* argv[] = {program, nullptr};
        while (!stop) {
            pid_t pid = -1;
            if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) == 0)
                waitpid(pid, nullptr, 0);
        }
    });
    const std::string absent = "qvt-absent-" + std::to_string(test::currentProcessId());
    int falsePositives = 0;
    for (int i = 0; i < 300; ++i) {
        EXPECT_NO_THROW(falsePositives += isProcessRunning(absent));
        EXPECT_NO_THROW(isProcessRunning("true"));
        EXPECT_NO_THROW(isProcessRunning("a-name-of-fifteen-or-more-bytes"));
    }
    stop = true;
    churn.join();
    EXPECT_EQ(falsePositives, 0);
}

}  // namespace
}  // namespace quorvel::platform
