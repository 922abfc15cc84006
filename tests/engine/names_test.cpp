#include "names.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "batch_fakes.h"
#include "path_checks.h"
#include "test_process.h"
#include "utf8_paths.h"
#include "windows1252_code_page.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;
using fakes::FixedClock;
using fakes::kFixedName;

TEST(GetBaseName, TakesTheNameBeforeTheLastDotAfterTheLastSeparator) {
    const struct {
        const char* path;
        const char* separator;
        const char* base;
    } cases[] = {
        {"D:\\Photos\\beach.NEF", "\\", "beach"},
        {"D:\\a.b\\c.d.NEF", "\\", "c.d"},
        {"beach.NEF", "\\", "beach"},
        {"D:\\Photos\\README", "\\", ""},
        {"D:\\Photos\\.NEF", "\\", ""},
        {"D:\\Photos\\", "\\", ""},
        {"", "\\", ""},
        {"/home/ann/beach.NEF", "/", "beach"},
        {"/home/ann.b/README", "/", ""},      // a dot in a folder is no extension
        {"/home/ann/a\\b.NEF", "/", "a\\b"},  // a backslash is a plain character here
        {"/home/ann/Фото 1.heic", "/", "Фото 1"},
    };
    for (const auto& c : cases) EXPECT_EQ(GetBaseName(c.path, c.separator), c.base) << c.path;
}

TEST(CleanOutputName, MakesTheBaseNameSafeForAFileNameAndTheCommandLine) {
    const auto& identity = platform::identityCodePage();
    const auto& cp1252 = platform::windows1252CodePage();
    const struct {
        const char* path;
        const platform::CodePage& codePage;
        std::string clean;
    } cases[] = {
        {"/p/beach.NEF", identity, "beach"},
        {"/p/my photo.NEF", identity, "my photo"},
        {"/p/ a .NEF", identity, " a "},  // spaces are kept; only the emptiness test trims
        {"/p/a<b>c?d\"e:f*g|h\\i.NEF", identity, "a b c d e f g h i"},
        {"/p/?*:.NEF", identity, kFixedName},  // only reserved characters
        {"/p/   .NEF", identity, kFixedName},
        {"/p/README", identity, kFixedName},  // no extension, so no base name
        {"/p/Фото.heic", identity, "Фото"},   // this platform's command line carries it
        {"/p/café.NEF", cp1252, "café"},
        {"/p/Été 写真.NEF", cp1252, "Été   "},  // each lost character becomes one space
        {"/p/Фото.heic", cp1252, kFixedName},   // nothing survives the code page
    };
    const FixedClock clock;
    for (const auto& c : cases)
        EXPECT_EQ(CleanOutputName(c.path, c.codePage, clock, "/"), c.clean) << c.path;
}

TEST(CleanOutputName, CutsLongNamesTo200CharactersWithoutSplittingOne) {
    const FixedClock clock;
    const auto clean = [&](const std::string& name) {
        return CleanOutputName("/p/" + name + ".NEF", platform::identityCodePage(), clock, "/");
    };
    EXPECT_EQ(clean(std::string(250, 'a')), std::string(200, 'a'));
    EXPECT_EQ(clean(std::string(200, 'a')), std::string(200, 'a'));
    // A POSIX name is limited in bytes, so two-byte characters are cut at 100 of them.
    std::string accents, kept;
    for (int i = 0; i < 250; ++i) accents += "é";
    for (int i = 0; i < 100; ++i) kept += "é";
    EXPECT_EQ(clean(accents), kept);
    const std::string cut = clean("a" + accents);  // 1 + 99 * 2 bytes; the next would split
    EXPECT_EQ(cut.size(), 199u);
    EXPECT_EQ(cut, "a" + kept.substr(0, 198));
    // In a one-byte code page every character counts once.
    std::string keptAnsi;
    for (int i = 0; i < 200; ++i) keptAnsi += "é";
    EXPECT_EQ(CleanOutputName("/p/" + accents + ".NEF", platform::windows1252CodePage(), clock, "/"),
              keptAnsi);
    // The emptiness test sees the cut name: 200 spaces and then a letter is empty.
    EXPECT_EQ(clean(std::string(200, ' ') + "x"), kFixedName);
}

TEST(FallbackName, IsTheLocalDateAndTimeWithLeadingZeros) {
    FixedClock clock;
    EXPECT_EQ(fallbackName(clock), "20240102-030405");
    clock.moment = {1999, 12, 31, 23, 59, 59};
    EXPECT_EQ(fallbackName(clock), "19991231-235959");
}

class PathChecksTest : public testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("quorvel-paths-" + std::to_string(test::currentProcessId()));
        fs::create_directories(m_dir / "folder");
        for (const char* name : {"file.NEF", "写真.heic"})
            std::ofstream(m_dir / test::fromUtf8(name)) << "x";
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string path(const char* name) const { return test::utf8(m_dir / test::fromUtf8(name)); }

    fs::path m_dir;
};

TEST_F(PathChecksTest, TellFilesFromFoldersOnThePathsCodePageForm) {
    const auto& fileSystem = platform::systemFileSystem();
    // This platform's own code page: the identity on Linux, the ANSI code page on Windows,
    // whose file system judges a path on its 8-bit form by itself.
    const auto& system = platform::systemCodePage();
    const bool cjkSurvives = system.roundTrip("写真") == "写真";
    const auto& cp1252 = platform::windows1252CodePage();
    const struct {
        std::string path;
        const platform::CodePage& codePage;
        bool file, folder;
    } cases[] = {
        {path("file.NEF"), system, true, false},
        {path("folder"), system, false, true},
        {path("missing.NEF"), system, false, false},
        {"", system, false, false},
        {path("写真.heic"), system, cjkSurvives, false},
        {path("写真.heic"), cp1252, false, false},  // its 8-bit form names nothing
        {path("file.NEF"), cp1252, true, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileExists(c.path, fileSystem, c.codePage), c.file) << c.path;
        EXPECT_EQ(FolderExists(c.path, fileSystem, c.codePage), c.folder) << c.path;
    }
}

}  // namespace
}  // namespace quorvel
