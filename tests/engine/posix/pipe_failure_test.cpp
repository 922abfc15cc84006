// Only POSIX lets a test make pipe creation fail: by running out of file descriptors.
#include <sys/resource.h>
#include <unistd.h>

#include "runner_fixture.h"

namespace quorvel::test {
namespace {

TEST_F(DOSOutputsTest, PipeFailureShowsTheErrorNumber) {
    const std::string line = command("--exit 0");  // copy the helper while files can be opened
    // UBSan's first check of a virtual call on each type opens a pipe of its own: one whole run
    // (child, process table, pump) and one message let those happen now.
    runner.ExecuteCommand(line);
    static_cast<platform::UserMessages&>(messages).showCritical("");
    messages.texts.clear();
    commandOvers = 0;
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

}  // namespace
}  // namespace quorvel::test
