#pragma once
// Stand-ins for the batch's window, runner, file system and clock. The window and the runner
// write one shared log, so tests can check the order of what the batch did.
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "batch_window.h"
#include "converter_runner.h"
#include "dos_outputs.h"
#include "platform/clock.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/program_folder.h"

namespace quorvel::fakes {

using Log = std::vector<std::string>;

// A path written with "/" in this platform's separator.
inline std::string native(std::string path) {
    const char separator = platform::pathSeparator()[0];
    for (char& c : path)
        if (c == '/') c = separator;
    return path;
}
inline Log native(Log paths) {
    for (auto& path : paths) path = native(path);
    return paths;
}

class FixedClock : public platform::LocalClock {
public:
    platform::LocalDateTime now() const override { return moment; }
    platform::LocalDateTime moment{2024, 1, 2, 3, 4, 5};
};
inline constexpr const char* kFixedName = "20240102-030405";

class FakeFileSystem : public platform::FileSystem {
public:
    platform::PathKind kind(const std::string& path) const override {
        if (folders.contains(path)) return platform::PathKind::Folder;
        return files.contains(path) ? platform::PathKind::File : platform::PathKind::Missing;
    }
    bool makeFolder(const std::string& path) override {
        madeFolders.push_back(path);
        return folders.insert(path).second;
    }
    bool copyFile(const std::string& from, const std::string& to) override {
        copies.emplace_back(from, to);
        return files.contains(from) && files.insert(to).second;
    }
    std::set<std::string> files, folders;
    std::vector<std::string> madeFolders;
    std::vector<std::pair<std::string, std::string>> copies;
};

class FakeWindow : public BatchWindow {
public:
    explicit FakeWindow(Log& log) : m_log(log) {}

    int entryCount() const override { return static_cast<int>(list.size()); }
    std::string entry(int index) const override { return list.at(index); }
    void appendEntry(const std::string& path) override { list.push_back(path); }
    void removeFirstEntries(int count) override {
        m_log.push_back("remove " + std::to_string(count));
        list.erase(list.begin(), list.begin() + std::min<std::size_t>(count, list.size()));
    }
    std::string quality() const override { return qualityText; }
    std::string format() const override { return formatCaption; }
    std::string resizeSwitch() const override { return resizeCaption; }
    std::string resizeWidth() const override { return widthText; }
    std::string prompt() const override { return caption; }
    void setPrompt(const std::string& text) override {
        caption = text;
        m_log.push_back("prompt " + text);
    }
    void showPrompt() override { m_log.push_back("show prompt"); }
    void showNormalPicture() override { m_log.push_back("normal picture"); }
    void disarmRunTimer() override { m_log.push_back("disarm"); }
    void yieldOnce() override {
        m_log.push_back("yield");
        if (onYield) onYield();
    }
    void openFolder(const std::string& folder) override { m_log.push_back("open " + folder); }
    void showFailureSummary(const FailureSummary& summary) override {
        m_log.push_back("summary");
        summaries.push_back(summary.text + "\n" + summary.details);
    }

    std::vector<std::string> list;
    std::string qualityText = "85", formatCaption = "JPG", resizeCaption = "NO";
    std::string widthText = "1600", caption = "Please drag and drop Photos Here";
    std::vector<std::string> summaries;
    std::function<void()> onYield;

private:
    Log& m_log;
};

// Records every command line; by default the run succeeds and "writes" the output file (the
// last argument) into the fake file system. `outcome` replaces that per run; `during` runs
// inside the run, where the window's events would run.
class RecordingRunner : public ConverterRunner {
public:
    RecordingRunner(Log& log, FakeFileSystem& fileSystem) : m_log(log), m_fs(fileSystem) {}

    ConverterRun run(const std::string& commandLine) override {
        commands.push_back(commandLine);
        watchedNames.push_back(WatchedProcessName);
        m_log.push_back("run " + std::to_string(commands.size()));
        maxDepth = std::max(maxDepth, ++m_depth);
        if (during) during(static_cast<int>(commands.size()));
        --m_depth;
        if (outcome) return outcome(static_cast<int>(commands.size()));
        m_fs.files.insert(platform::splitWindowsCommandLine(commandLine).back());
        return {true, 0, ""};
    }

    std::vector<std::string> commands, watchedNames;
    std::function<ConverterRun(int run)> outcome;
    std::function<void(int run)> during;
    int maxDepth = 0;

private:
    Log& m_log;
    FakeFileSystem& m_fs;
    int m_depth = 0;
};

}  // namespace quorvel::fakes
