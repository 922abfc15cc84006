#include "settings_file.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/program_folder.h"
#include "settings_fields.h"

namespace quorvel {
namespace {

namespace fs = std::filesystem;

constexpr const char* kFileName = "settingquorvel.ini";

std::string environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// Paths are UTF-8; a narrow std::filesystem path would be the code page's on Windows.
fs::path fsPath(const std::string& path) {
    return fs::path(std::u8string(path.begin(), path.end()));
}

std::string xdgConfigFolder() {
    const std::string configured = environment("XDG_CONFIG_HOME");
    return configured.empty() ? environment("HOME") + "/.config" : configured;
}

// The file's lines without their line ends, in UTF-8; nothing when it cannot be read.
std::vector<std::string> readLines(const std::string& path) {
    std::ifstream file(fsPath(path), std::ios::binary);
    if (!file) return {};
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    std::vector<std::string> lines;
    for (std::size_t start = 0; start <= bytes.size();) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string_view line(bytes.data() + start, end - start);
        if (line.ends_with('\r')) line.remove_suffix(1);
        lines.push_back(platform::systemCodePage().fromAnsi(line));
        start = end + 1;
    }
    // The text after the last line end is a line only when it holds something.
    if (!lines.empty() && lines.back().empty()) lines.pop_back();
    return lines;
}

// Written beside the file and renamed over it, so the file is either the old or the new one.
void writeWhole(const std::string& path, const std::string& bytes) {
    const fs::path target = fsPath(path);
    fs::path temporary = target;
    temporary += ".new";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!file) return;
        file << bytes;
        file.close();
        if (!file) {
            std::error_code ignored;
            fs::remove(temporary, ignored);
            return;
        }
    }
    std::error_code failed;
    fs::rename(temporary, target, failed);
    if (failed) fs::remove(temporary, failed);
}

}  // namespace

std::string settingsFilePath() {
    const std::string appData = environment("APPDATA");
    // Joined as they are, with the platform's separator: %APPDATA%\settingquorvel.ini.
    return (appData.empty() ? xdgConfigFolder() : appData) + platform::pathSeparator() +
           kFileName;
}

SettingsFile::SettingsFile(std::string path, platform::EventPump& pump, bool createFolder)
    : m_path(std::move(path)), m_pump(pump), m_createFolder(createFolder) {}

void SettingsFile::restoreOptions(OptionValues& values) {
    // Only an ordinary file counts: a folder of that name is no settings file.
    std::error_code failed;
    if (!fs::is_regular_file(fsPath(m_path), failed)) return;
    const std::vector<std::string> lines = readLines(m_path);
    std::string* fields[] = {&values.format, &values.quality, &values.resizeSwitch,
                             &values.resizeWidth};
    for (std::size_t i = 0; i < std::size(fields) && i < lines.size(); ++i)
        *fields[i] = settingsValue(lines[i]);
    m_pump.pumpOnce();
}

void SettingsFile::saveOptions(const OptionValues& values) {
    std::error_code failed;
    if (m_createFolder) fs::create_directories(fsPath(m_path).parent_path(), failed);
    std::string bytes;
    for (const std::string* value :
         {&values.format, &values.quality, &values.resizeSwitch, &values.resizeWidth})
        bytes += platform::systemCodePage().toAnsi(*value) + "\r\n";
    writeWhole(m_path, bytes);
    m_pump.pumpOnce();
}

SettingsFile programSettingsFile(platform::EventPump& pump) {
    return SettingsFile(settingsFilePath(), pump, environment("APPDATA").empty());
}

}  // namespace quorvel
