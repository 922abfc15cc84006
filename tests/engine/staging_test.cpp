#include "staging.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_fakes.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using fakes::FakeWindow;
using fakes::FixedClock;
using fakes::kFixedName;
using fakes::Log;

std::string contentOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// A real picked photo in a temporary folder; the staging folder lies beside it and does not
// exist yet. The Windows-1252 code page plays the part of an 8-bit command line.
class StagingTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir / "photos"); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string photo(const std::string& name, const std::string& content = "raw") {
        const fs::path path = m_dir / "photos" / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }
    std::string staged(const std::string& name) const {
        return (m_dir / "staging" / name).string();
    }
    std::vector<std::string> stagedFiles() const {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(m_dir / "staging"))
            names.push_back(e.path().filename().string());
        return names;
    }

    fs::path m_dir =
        fs::temp_directory_path() / ("quorvel-staging-" + std::to_string(getpid()));
    Log log;
    FakeWindow window{log};
    FixedClock clock;
    PhotoStaging staging{(m_dir / "staging").string(), platform::systemFileSystem(),
                         platform::windows1252CodePage(), clock};
};

TEST_F(StagingTest, APathThatPassesTheCodePageIsListedUnchangedAndNotCopied) {
    const std::string picked = photo("Été beach.NEF");
    EXPECT_EQ(staging.stage(picked, window), picked);
    EXPECT_EQ(window.list, Log{picked});
    EXPECT_TRUE(fs::is_directory(m_dir / "staging")) << "created for every picked photo";
    EXPECT_TRUE(stagedFiles().empty());
    EXPECT_TRUE(log.empty()) << "no Preparing Files... prompt";
}

TEST_F(StagingTest, APathThatFailsTheCodePageIsCopiedUnderItsCleanName) {
    const struct {
        std::string name;
        std::string stagedName;
    } cases[] = {
        {"Été 写真.NEF", "Été   .NEF"},                         // lost characters are spaces
        {"写真.heic", std::string(kFixedName) + ".heic"},        // nothing survives
        {"Фото.Raw.DNG", "    .Raw.DNG"},                         // only the last extension
    };
    for (const auto& c : cases) {
        window.list.clear();
        log.clear();
        const std::string picked = photo(c.name, "photo " + c.name);
        EXPECT_EQ(staging.stage(picked, window), staged(c.stagedName)) << c.name;
        EXPECT_EQ(window.list, Log{staged(c.stagedName)});
        EXPECT_EQ(log, Log{"prompt Preparing Files..."});
        EXPECT_EQ(contentOf(staged(c.stagedName)), "photo " + c.name);
        EXPECT_EQ(contentOf(picked), "photo " + c.name) << "the picked photo is untouched";
    }
}

TEST_F(StagingTest, PickingTheSamePhotoTwiceOverwritesTheStagedCopy) {
    const std::string picked = photo("写真.heic", "first");
    staging.stage(picked, window);
    photo("写真.heic", "second");
    staging.stage(picked, window);
    const std::string copy = staged(std::string(kFixedName) + ".heic");
    EXPECT_EQ(window.list, (Log{copy, copy}));
    EXPECT_EQ(contentOf(copy), "second");
    EXPECT_EQ(stagedFiles().size(), 1u);
}

TEST_F(StagingTest, AMissingPhotoIsListedAllTheSame) {
    const std::string picked = (m_dir / "photos" / "gone 写.NEF").string();
    EXPECT_EQ(staging.stage(picked, window), staged("gone  .NEF"));
    EXPECT_EQ(window.list, Log{staged("gone  .NEF")});
    EXPECT_TRUE(stagedFiles().empty());
}

TEST_F(StagingTest, ANameWithoutExtensionGetsAStagedNameWithoutOne) {
    const std::string picked = photo("写真");
    EXPECT_EQ(staging.stage(picked, window), staged(kFixedName));
    EXPECT_EQ(contentOf(staged(kFixedName)), "raw");
}

TEST(StagingOnThisPlatform, EveryCharacterPassesSoNothingIsCopied) {
    const fs::path dir = fs::temp_directory_path() / ("quorvel-staging-id-" +
                                                      std::to_string(getpid()));
    fs::create_directories(dir);
    const std::string picked = (dir / "写真.heic").string();
    std::ofstream(picked) << "x";
    Log log;
    FakeWindow window{log};
    PhotoStaging staging{(dir / "staging").string()};
    EXPECT_EQ(staging.stage(picked, window), picked);
    fs::remove_all(dir);
}

TEST(DefaultStagingFolder, IsQuorvelInTheTemporaryFolder) {
    const char* tmp = std::getenv("TMPDIR");
    EXPECT_EQ(defaultStagingFolder(), std::string(tmp && *tmp ? tmp : "/tmp") + "/quorvel");
}

}  // namespace
}  // namespace quorvel
