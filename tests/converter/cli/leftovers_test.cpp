#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;
using namespace std::chrono_literals;

// ImageMagick's temporary files go where TMPDIR says, unless the converter keeps them in
// its staging folder: point TMPDIR at a folder of the test's own for the converter runs.
class TemporaryFolderForRuns {
public:
    TemporaryFolderForRuns() {
        if (const char* old = std::getenv("TMPDIR")) m_old = old;
        setenv("TMPDIR", m_folder.path().c_str(), 1);
    }
    ~TemporaryFolderForRuns() {
        if (m_old.empty())
            unsetenv("TMPDIR");
        else
            setenv("TMPDIR", m_old.c_str(), 1);
    }
    std::vector<std::string> entries() const { return m_folder.entries(); }

private:
    TempFolder m_folder;
    std::string m_old;
};

class KilledRun : public ConversionTest, public testing::WithParamInterface<int> {};

// However late the kill comes (while decoding, while writing: the whole run takes seconds),
// the next run into the folder leaves only its own output: no hidden folder, no partial file,
// no temporary file anywhere.
TEST_P(KilledRun, LeavesNothingOnceTheNextRunIsDone) {
    REQUIRE_SAMPLE("apple_iphone13_rotated.heic");
    REQUIRE_SAMPLE("imagers_image1_128x85.hdr");
    const TemporaryFolderForRuns temporary;
    RunOptions options;
    options.terminateAfter = std::chrono::milliseconds(GetParam());
    options.terminateSignal = SIGKILL;
    const ConverterRun killed = runConverter(
        {sample("apple_iphone13_rotated.heic").string(), (folder / "big.PNG").string()}, options);
    ASSERT_EQ(killed.signal, SIGKILL) << "finished before the kill: " << killed.errors;
    const ConverterRun next = runConverter(
        {sample("imagers_image1_128x85.hdr").string(), (folder / "small.JPG").string()});
    ASSERT_EQ(next.exitCode, 0) << next.errors;
    expectFolderHolds({"small.JPG"});
    EXPECT_EQ(temporary.entries(), std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Moments, KilledRun, testing::Values(50, 700, 3000),
                         [](const testing::TestParamInfo<int>& info) {
                             return "After" + std::to_string(info.param) + "ms";
                         });

pid_t endedProcess() {
    const pid_t child = fork();
    if (child == 0) _exit(0);
    waitpid(child, nullptr, 0);
    return child;
}

// Only staging folders of runs that are gone are removed: a folder whose lock is held (a live
// run) stays, and so does everything that merely looks like one.
TEST_F(ConversionTest, OnlyTheStagingFoldersOfEndedRunsAreRemoved) {
    REQUIRE_SAMPLE("imagers_image1_128x85.hdr");
    const std::string dead = ".convert.exe-" + std::to_string(endedProcess()) + "-Ab12Cd";
    fs::create_directories(folder / dead / "tmp");
    writeFile(folder / dead / "out", "partial");
    writeFile(folder / dead / "tmp" / "magick-123abc", "pixel cache");
    const std::string live = ".convert.exe-" + std::to_string(getpid()) + "-Ef34Gh";
    fs::create_directory(folder / live);
    const int lock = open((folder / live).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);
    writeFile(folder / ".convert.exe-notes", "a user's file");
    writeFile(folder / (".convert.exe-" + std::to_string(endedProcess()) + "-Ij56Kl"), "a file");

    const ConverterRun run = runConverter(
        {sample("imagers_image1_128x85.hdr").string(), (folder / "out.JPG").string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    close(lock);
    auto entries = folder.entries();
    EXPECT_EQ(std::count(entries.begin(), entries.end(), dead), 0);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), live), 1);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), ".convert.exe-notes"), 1);
    EXPECT_EQ(entries.size(), 4u);  // the live folder, the two files, out.JPG
}

}  // namespace
}  // namespace quorvel::converter
