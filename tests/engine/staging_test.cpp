#include "staging.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "batch_fakes.h"
#include "test_process.h"
#include "utf8_paths.h"
#include "windows1252_code_page.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using fakes::FakeWindow;
using fakes::FixedClock;
using fakes::kFixedName;
using fakes::Log;
using test::fromUtf8;
using test::utf8;

std::string contentOf(const std::string& path) {
    std::ifstream in(fromUtf8(path), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Real photos in a temporary folder; the staging folder lies beside them and does not exist
// yet. The Windows-1252 code page plays the part of an 8-bit command line.
class StagingTest : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(m_dir / "photos"); }
    void TearDown() override { fs::remove_all(m_dir); }

    std::string photo(const std::string& name, const std::string& content = "raw") {
        const std::string path = utf8(m_dir / "photos" / fromUtf8(name));
        std::ofstream(fromUtf8(path), std::ios::binary) << content;
        return path;
    }
    std::string staged(const std::string& name) const {
        return utf8(m_dir / "staging" / fromUtf8(name));
    }
    std::vector<std::string> stagedFiles() const {
        std::vector<std::string> names;
        if (fs::exists(m_dir / "staging"))
            for (const auto& e : fs::directory_iterator(m_dir / "staging"))
                names.push_back(utf8(e.path().filename()));
        return names;
    }

    fs::path m_dir = fs::temp_directory_path() /
                     ("quorvel-staging-" + std::to_string(test::currentProcessId()));
    Log log;
    FakeWindow window{log};
    FixedClock clock;
    PhotoStaging staging{utf8(m_dir / "staging"), platform::systemFileSystem(),
                         platform::windows1252CodePage(), clock};
};

TEST_F(StagingTest, APickedPathThatPassesTheCodePageIsListedUnchangedAndNotCopied) {
    const std::string picked = photo("Été beach.NEF");
    EXPECT_EQ(staging.stage(picked, window), picked);
    EXPECT_EQ(window.list, Log{picked});
    EXPECT_TRUE(fs::is_directory(m_dir / "staging")) << "created for every picked photo";
    EXPECT_TRUE(stagedFiles().empty());
    EXPECT_TRUE(log.empty()) << "no Preparing Files... prompt";
}

TEST_F(StagingTest, APickedPathThatFailsTheCodePageIsCopiedUnderItsCleanName) {
    const struct {
        std::string name;
        std::string stagedName;
    } cases[] = {
        {"Été 写真.NEF", "Été   .NEF"},                    // lost characters are spaces
        {"写真.heic", std::string(kFixedName) + ".heic"},  // nothing survives
        {"Фото.Raw.DNG", "    .Raw.DNG"},                  // only the last extension
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

TEST_F(StagingTest, PickingTheSamePhotoAgainOverwritesTheStagedCopyOnceItWasConverted) {
    const std::string picked = photo("写真.heic", "first");
    staging.stage(picked, window);
    window.list.clear();  // the click's batch converted and removed it
    photo("写真.heic", "second");
    const std::string copy = staged(std::string(kFixedName) + ".heic");
    EXPECT_EQ(staging.stage(picked, window), copy);
    EXPECT_EQ(contentOf(copy), "second");
    EXPECT_EQ(stagedFiles().size(), 1u);
}

TEST_F(StagingTest, AMissingPickedPhotoIsListedAllTheSame) {
    const std::string picked = utf8(m_dir / "photos" / fromUtf8("gone 写.NEF"));
    EXPECT_EQ(staging.stage(picked, window), staged("gone  .NEF"));
    EXPECT_EQ(window.list, Log{staged("gone  .NEF")});
    EXPECT_TRUE(stagedFiles().empty());
}

TEST_F(StagingTest, APickedNameWithoutExtensionGetsAStagedNameWithoutOne) {
    const std::string picked = photo("写真");
    EXPECT_EQ(staging.stage(picked, window), staged(kFixedName));
    EXPECT_EQ(contentOf(staged(kFixedName)), "raw");
}

TEST_F(StagingTest, ADroppedPathThatPassesTheCodePageIsListedAsItIs) {
    fs::create_directories(m_dir / "photos" / "album");
    const std::string paths[] = {photo("Été.NEF"), utf8(m_dir / "photos" / "album"),
                                 utf8(m_dir / "photos" / "missing.NEF")};
    for (const auto& dropped : paths) EXPECT_EQ(staging.stageDropped(dropped, window), dropped);
    EXPECT_EQ(window.list, Log(std::begin(paths), std::end(paths)));
    EXPECT_FALSE(fs::exists(m_dir / "staging")) << "nothing to stage, no folder";
    EXPECT_TRUE(log.empty());
}

// Without staging such a photo would reach the converter with "?" in its name and fail.
TEST_F(StagingTest, DroppedPhotosThatFailTheCodePageAreStagedUnderNamesThatNeverCollide) {
    const std::string first = photo("写真.NEF", "first"), second = photo("Фото.NEF", "second");
    const std::string third = photo("Trip 写.heic", "third");
    for (const auto& dropped : {first, second, third}) staging.stageDropped(dropped, window);

    const std::string name = kFixedName;
    EXPECT_EQ(window.list,
              (Log{staged(name + ".NEF"), staged(name + " (2).NEF"), staged("Trip  .heic")}));
    EXPECT_EQ(contentOf(window.list[0]), "first");
    EXPECT_EQ(contentOf(window.list[1]), "second");
    EXPECT_EQ(contentOf(window.list[2]), "third");
    EXPECT_EQ(contentOf(first), "first") << "the dropped photo is untouched";
    EXPECT_TRUE(log.empty()) << "the prompt belongs to the drag and to a running batch";
}

TEST_F(StagingTest, APickedPhotoDoesNotReplaceAStagedCopyStillWaitingInTheList) {
    staging.stageDropped(photo("写真.NEF", "dropped"), window);
    staging.stage(photo("Фото.NEF", "picked"), window);
    EXPECT_EQ(contentOf(window.list.at(0)), "dropped");
    EXPECT_EQ(window.list.at(1), staged(std::string(kFixedName) + " (2).NEF"));
    EXPECT_EQ(contentOf(window.list.at(1)), "picked");
}

TEST_F(StagingTest, ADroppedPathThatCannotBeCopiedIsListedAsTheUserDroppedIt) {
    fs::create_directories(m_dir / "photos" / fromUtf8("Фото"));
    const std::string paths[] = {utf8(m_dir / "photos" / fromUtf8("Фото")),
                                 utf8(m_dir / "photos" / fromUtf8("gone 写.NEF"))};
    for (const auto& dropped : paths) EXPECT_EQ(staging.stageDropped(dropped, window), dropped);
    EXPECT_EQ(window.list, Log(std::begin(paths), std::end(paths)));
    EXPECT_TRUE(stagedFiles().empty());
}

// This platform's own code page and file system: on Linux every name passes; on Windows a name
// the ANSI code page lacks is copied with the wide-character calls.
TEST(StagingOnThisPlatform, ANameOutsideTheCodePageIsStagedOnlyWhereItIsLost) {
    const fs::path dir = fs::temp_directory_path() /
                         ("quorvel-staging-native-" + std::to_string(test::currentProcessId()));
    fs::create_directories(dir);
    const std::string name = "Фото 写真.heic";
    const std::string photo = utf8(dir / fromUtf8(name));
    std::ofstream(fromUtf8(photo), std::ios::binary) << "heic";
    const bool lost = platform::systemCodePage().roundTrip(name) != name;
    Log log;
    FakeWindow window{log};
    FixedClock clock;
    PhotoStaging staging{utf8(dir / "staging"), platform::systemFileSystem(),
                         platform::systemCodePage(), clock};

    for (const bool dropped : {false, true}) {
        window.list.clear();
        const std::string listed =
            dropped ? staging.stageDropped(photo, window) : staging.stage(photo, window);
        EXPECT_EQ(listed != photo, lost) << listed;
        EXPECT_EQ(contentOf(listed), "heic") << listed;
        EXPECT_EQ(platform::systemCodePage().roundTrip(listed), listed) << "reaches the converter";
    }
    fs::remove_all(dir);
}

}  // namespace
}  // namespace quorvel
