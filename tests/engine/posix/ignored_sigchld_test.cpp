// A program started by a parent that ignores SIGCHLD keeps that setting across exec. The kernel
// then collects our children itself and waitpid answers ECHILD: the run must still end.
#include <signal.h>

#include "platform/process_table.h"
#include "runner_fixture.h"

namespace quorvel::test {
namespace {

class IgnoredSigchld : public DOSOutputsTest {
protected:
    void SetUp() override {
        DOSOutputsTest::SetUp();
        m_previous = signal(SIGCHLD, SIG_IGN);
    }
    void TearDown() override {
        signal(SIGCHLD, m_previous);
        DOSOutputsTest::TearDown();
    }
    sighandler_t m_previous = SIG_DFL;
};

TEST_F(IgnoredSigchld, TheRunEndsWhenTheChildEndsAndKeepsItsOutput) {
    EXPECT_EQ(runner.ExecuteCommand(command("--stdout-text done --sleep 200 --exit 3")), "done");
    EXPECT_EQ(commandOvers, 1);
    EXPECT_TRUE(runner.lastRunStarted());
    EXPECT_EQ(runner.exitStatus(), std::nullopt);  // collected by the system, so unknown
    EXPECT_FALSE(platform::isProcessRunning(helperName()));
}

}  // namespace
}  // namespace quorvel::test
