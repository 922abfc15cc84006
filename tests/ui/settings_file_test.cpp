// settingquorvel.ini: where it lives, how a value is read back, and what is written and read
// through a real file.
#include "settings_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "control_table.h"
#include "plain_event_pump.h"
#include "platform/program_folder.h"
#include "settings_fields.h"
#include "test_process.h"
#include "utf8_paths.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

struct ValueCase {
    const char* name;
    const char* line;
    const char* value;
};

class ValueOfALine : public testing::TestWithParam<ValueCase> {};

TEST_P(ValueOfALine, FollowsTheReadersRules) {
    EXPECT_EQ(settingsValue(GetParam().line), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFields, ValueOfALine,
    testing::Values(
        ValueCase{"plainText", "JPG", "JPG"}, ValueCase{"leadingSpacesSkipped", "   PNG", "PNG"},
        ValueCase{"leadingZeros", "085", "85"}, ValueCase{"plainNumber", "1600", "1600"},
        ValueCase{"zero", "000", "0"}, ValueCase{"signedFraction", "+1.50", "1.5"},
        ValueCase{"negativeZero", "-0.0", "0"}, ValueCase{"negativeNumber", "-07.20", "-7.2"},
        ValueCase{"fractionOnly", ".5", "0.5"}, ValueCase{"pointOnly", ".", "."},
        ValueCase{"wholeWithPoint", "5.", "5"},
        ValueCase{"longNumberKeepsEveryDigit", "0012345678901234567890123",
                  "12345678901234567890123"},
        ValueCase{"exponentIsNoPlainNumber", "1e3", "1e3"},
        ValueCase{"trailingSpaceIsKept", "85 ", "85 "},
        ValueCase{"commaStaysInTheValue", "8,5", "8,5"}, ValueCase{"quoted", "\"a, b\"", "a, b"},
        ValueCase{"quotedThenMore", " \"YES\" trailing", "YES"},
        ValueCase{"quoteNeverClosed", "\"open", "open"},
        ValueCase{"quotedNumberStaysText", "\"085\"", "085"}, ValueCase{"blank", "", ""},
        ValueCase{"onlySpaces", "   ", ""},
        ValueCase{"nonAscii", "Gr\u00f6\u00dfe", "Gr\u00f6\u00dfe"}),
    [](const testing::TestParamInfo<ValueCase>& info) { return std::string(info.param.name); });

// Sets an environment variable for the test's lifetime; "" unsets it.
class ScopedVariable {
public:
    ScopedVariable(const char* name, const char* value) : m_name(name) {
        if (const char* old = std::getenv(name)) m_old = old;
        set(value);
    }
    ~ScopedVariable() { set(m_old ? m_old->c_str() : ""); }

private:
    void set(const char* value) {
        if (*value)
            test::setEnvironment(m_name, value);
        else
            test::unsetEnvironment(m_name);
    }
    const char* m_name;
    std::optional<std::string> m_old;
};

struct PathCase {
    const char* name;
    const char* appData;
    const char* xdgConfigHome;
    std::string expectedFolder;  // "~" stands for HOME
};

class SettingsPath : public testing::TestWithParam<PathCase> {};

TEST_P(SettingsPath, FollowsTheEnvironment) {
    const PathCase& c = GetParam();
    const ScopedVariable appData("APPDATA", c.appData);
    const ScopedVariable xdg("XDG_CONFIG_HOME", c.xdgConfigHome);
    std::string expected = c.expectedFolder + platform::pathSeparator() + "settingquorvel.ini";
    if (expected.starts_with('~'))
        expected.replace(0, 1, std::getenv("HOME") ? std::getenv("HOME") : "");
    EXPECT_EQ(settingsFilePath(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, SettingsPath,
    testing::Values(PathCase{"appData", "/roaming", "/xdg", "/roaming"},
                    PathCase{"xdgConfigHome", "", "/xdg", "/xdg"},
                    PathCase{"home", "", "", "~/.config"}),
    [](const testing::TestParamInfo<PathCase>& info) { return std::string(info.param.name); });

OptionValues designValues() {
    auto text = [](std::string_view name) { return std::string(controlSpec(name).text); };
    return {text("lblFormat"), text("Text1"), text("Label5"), text("txtResize")};
}

class SettingsFileTest : public testing::Test {
protected:
    void SetUp() override {
        m_folder = fs::temp_directory_path() /
                   ("quorvel-settings-" +
                    std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_folder);
        fs::create_directories(m_folder);
    }
    void TearDown() override { fs::remove_all(m_folder); }

    fs::path file() const { return m_folder / "settingquorvel.ini"; }
    std::string path() const { return test::utf8(file()); }
    std::string bytes() const {
        std::ifstream in(file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    void write(const std::string& bytes) const {
        std::ofstream(file(), std::ios::binary) << bytes;
    }
    OptionValues restored(SettingsFile& settings) const {
        OptionValues values = designValues();
        settings.restoreOptions(values);
        return values;
    }

    fs::path m_folder;
    platform::PlainEventPump m_pump;
};

TEST_F(SettingsFileTest, DesignValuesAreWrittenByteForByte) {
    SettingsFile settings(path(), m_pump);
    settings.saveOptions(designValues());
    EXPECT_EQ(bytes(), "JPG\r\n85\r\nNO\r\n1600\r\n");
}

TEST_F(SettingsFileTest, WrittenValuesComeBack) {
    SettingsFile settings(path(), m_pump);
    const OptionValues written{"PNG", "8,5", "YES", "1024"};
    settings.saveOptions(written);
    EXPECT_EQ(restored(settings), written);
}

struct ContentCase {
    const char* name;
    std::optional<std::string> content;  // nullopt: no file; "folder": a folder of its name
    OptionValues shown;
};

class ShortOrMissingFiles : public SettingsFileTest,
                            public testing::WithParamInterface<ContentCase> {};

TEST_P(ShortOrMissingFiles, KeepTheValuesTheyCannotFill) {
    const ContentCase& c = GetParam();
    if (c.content == "folder")
        fs::create_directory(file());
    else if (c.content)
        write(*c.content);
    SettingsFile settings(path(), m_pump);
    EXPECT_EQ(restored(settings), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    SettingsFile, ShortOrMissingFiles,
    testing::Values(
        ContentCase{"noFile", std::nullopt, {"JPG", "85", "NO", "1600"}},
        ContentCase{"emptyFile", "", {"JPG", "85", "NO", "1600"}},
        ContentCase{"twoLines", "PNG\r\n90\r\n", {"PNG", "90", "NO", "1600"}},
        ContentCase{"threeLinesTheLastUnended", "GIF\n70\nYES", {"GIF", "70", "YES", "1600"}},
        ContentCase{"blankSecondLine", "BMP\r\n\r\nNO\r\n640\r\n", {"BMP", "", "NO", "640"}},
        ContentCase{
            "leadingZerosRead", "JPG\r\n085\r\nyes\r\n1600\r\n", {"JPG", "85", "yes", "1600"}},
        ContentCase{"aFolderOfThatName", "folder", {"JPG", "85", "NO", "1600"}}),
    [](const testing::TestParamInfo<ContentCase>& info) { return std::string(info.param.name); });

TEST_F(SettingsFileTest, AMissingFolderIsNotCreated) {
    const fs::path inMissing = m_folder / "missing" / "settingquorvel.ini";
    SettingsFile settings(test::utf8(inMissing), m_pump);
    EXPECT_EQ(restored(settings), designValues());
    settings.saveOptions(designValues());
    EXPECT_FALSE(fs::exists(m_folder / "missing"));
}

TEST_F(SettingsFileTest, XdgFolderIsCreatedOnFirstSave) {
    const fs::path inMissing = m_folder / "config" / "settingquorvel.ini";
    SettingsFile settings(test::utf8(inMissing), m_pump, true);
    settings.saveOptions(designValues());
    EXPECT_TRUE(fs::is_regular_file(inMissing));
}

TEST_F(SettingsFileTest, RewriteLeavesNoTemporaryFile) {
    write("PNG\r\n90\r\nYES\r\n1024\r\n");
    SettingsFile settings(path(), m_pump);
    OptionValues values = restored(settings);
    values.format = "GIF";
    settings.saveOptions(values);
    EXPECT_EQ(bytes(), "GIF\r\n90\r\nYES\r\n1024\r\n");
    std::vector<fs::path> entries{fs::directory_iterator(m_folder), {}};
    EXPECT_EQ(entries, std::vector<fs::path>{file()});
}

}  // namespace
}  // namespace quorvel
