#include "output/staged_output.h"

#include <gtest/gtest.h>

#include "temp_folder.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;

TEST(StagedOutput, CommitMovesTheCompleteFileIntoPlace) {
    TempFolder folder;
    writeFile(folder / "out.JPG", "old picture");
    std::string problem;
    auto staged = StagedOutput::create((folder / "out.JPG").string(), problem);
    ASSERT_TRUE(staged) << problem;
    writeFile(staged->stagedPath(), "new picture");
    EXPECT_EQ(readFile(folder / "out.JPG"), "old picture");  // untouched until the commit
    ASSERT_TRUE(staged->commit({}, problem)) << problem;
    staged.reset();
    EXPECT_EQ(readFile(folder / "out.JPG"), "new picture");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.JPG"});
}

TEST(StagedOutput, WithoutCommitNothingIsLeftAndTheOldFileStays) {
    TempFolder folder;
    writeFile(folder / "out.JPG", "old picture");
    std::string problem;
    auto staged = StagedOutput::create((folder / "out.JPG").string(), problem);
    ASSERT_TRUE(staged);
    writeFile(staged->stagedPath(), "half a pic");
    staged.reset();
    EXPECT_EQ(readFile(folder / "out.JPG"), "old picture");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"out.JPG"});
}

// ImageMagick splits a multi-frame output into numbered files: that is not the file named.
TEST(StagedOutput, ANumberedSeriesIsRefusedAndNothingMoves) {
    TempFolder folder;
    std::string problem;
    auto staged = StagedOutput::create((folder / "frames.PNG").string(), problem);
    ASSERT_TRUE(staged);
    const std::string stagingFolder = staged->stagingFolder();
    writeFile(stagingFolder + "/out-0", "first");
    writeFile(stagingFolder + "/out-1", "second");
    EXPECT_FALSE(staged->commit({}, problem));
    EXPECT_NE(problem.find("makes 2 pictures"), std::string::npos) << problem;
    staged.reset();
    EXPECT_EQ(folder.entries(), std::vector<std::string>{});
}

TEST(StagedOutput, NeverReplacesAnInputFile) {
    TempFolder folder;
    writeFile(folder / "photo.JPG", "the original");
    std::string problem;
    auto staged = StagedOutput::create((folder / "photo.JPG").string(), problem);
    ASSERT_TRUE(staged);
    writeFile(staged->stagedPath(), "converted");
    EXPECT_FALSE(staged->commit({*identityOf((folder / "photo.JPG").string())}, problem));
    EXPECT_NE(problem.find("input file"), std::string::npos);
    staged.reset();
    EXPECT_EQ(readFile(folder / "photo.JPG"), "the original");
    EXPECT_EQ(folder.entries(), std::vector<std::string>{"photo.JPG"});
}

TEST(StagedOutput, AnEmptyStagingFolderIsAFailure) {
    TempFolder folder;
    std::string problem;
    auto staged = StagedOutput::create((folder / "out.JPG").string(), problem);
    ASSERT_TRUE(staged);
    EXPECT_FALSE(staged->commit({}, problem));
    EXPECT_EQ(problem, "no output was written");
}

TEST(StagedOutput, AMissingOrUnwritableFolderIsReportedBeforeAnyWork) {
    TempFolder folder;
    std::string problem;
    EXPECT_FALSE(StagedOutput::create((folder / "no/such/out.JPG").string(), problem));
    EXPECT_NE(problem.find("does not exist"), std::string::npos) << problem;
    writeFile(folder / "file", "x");
    EXPECT_FALSE(StagedOutput::create((folder / "file/out.JPG").string(), problem));
    EXPECT_NE(problem.find("is not a folder"), std::string::npos) << problem;
    const auto locked = folder / "locked";
    std::filesystem::create_directory(locked);
    if (!makeUnwritable(locked)) GTEST_SKIP() << "cannot make a folder unwritable here";
    EXPECT_FALSE(StagedOutput::create((locked / "out.JPG").string(), problem));
    EXPECT_NE(problem.find("cannot write into the output folder"), std::string::npos);
}

TEST(StagedOutput, FolderAndFileNameOfPaths) {
    EXPECT_EQ(folderOf("out.JPG"), ".");
    EXPECT_EQ(folderOf("/out.JPG"), "/");
    EXPECT_EQ(folderOf("/a/b/out.JPG"), "/a/b");
    EXPECT_EQ(fileNameOf("/a/b/out.JPG"), "out.JPG");
    EXPECT_EQ(fileNameOf("out.JPG"), "out.JPG");
}

}  // namespace
}  // namespace quorvel::converter
