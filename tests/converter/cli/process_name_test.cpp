// The program waits while any process named convert.exe runs, so the converter must carry that
// name for its whole life, through its restart with the allocator setting too.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "converter_contract.h"
#include "samples.h"
#include "temp_folder.h"

extern char** environ;

namespace quorvel::converter::testing_support {
namespace {

// "" once the process has gone: plain reads, which report that instead of throwing.
std::string readProcFile(pid_t pid, const char* file) {
    const std::string path = "/proc/" + std::to_string(pid) + "/" + file;
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return "";
    std::string text;
    char buffer[4096];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, std::size_t(n));
    close(fd);
    return n < 0 ? "" : text;
}

std::string exeName(pid_t pid) {
    char target[4096];
    const std::string link = "/proc/" + std::to_string(pid) + "/exe";
    const ssize_t n = readlink(link.c_str(), target, sizeof target - 1);
    if (n <= 0) return "";
    const std::string path(target, static_cast<std::size_t>(n));
    return path.substr(path.rfind('/') + 1);
}

TEST(ConverterProcessName, StaysConvertExeThroughoutALongConversion) {
    REQUIRE_SAMPLE("apple_iphone13_rotated.heic");
    TempFolder folder;
    const std::string input = sample("apple_iphone13_rotated.heic").string();
    const std::string output = (folder / "named.PNG").string();
    std::vector<char*> argv = {const_cast<char*>(CONVERTER_PATH), const_cast<char*>(input.c_str()),
                               const_cast<char*>(output.c_str()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, CONVERTER_PATH, &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    // Compare only once the process runs the converter's file (before that it is still a copy
    // of this test); the restarted converter is recognised by the setting in its environment.
    std::vector<std::string> names;
    int afterRestart = 0;
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        const std::string comm = readProcFile(pid, "comm");
        const bool restarted =
            readProcFile(pid, "environ").find("glibc.malloc.hugetlb") != std::string::npos;
        if (!comm.empty() && exeName(pid) == kConverterFileName) {
            names.push_back(comm);
            afterRestart += restarted;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_GT(afterRestart, 0) << "the conversion ended before the restarted converter was seen";
    for (const std::string& name : names) EXPECT_EQ(name, std::string(kConverterFileName) + "\n");
}

}  // namespace
}  // namespace quorvel::converter::testing_support
