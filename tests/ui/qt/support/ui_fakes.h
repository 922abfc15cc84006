#pragma once
// Stand-ins for the window's outside world: a recording shell, message box and settings
// store, a scripted dialog backend, and the window built with them.
#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "folder_chooser.h"
#include "form1.h"
#include "option_settings.h"
#include "platform/user_messages.h"
#include "scripted_dialogs.h"
#include "shell_opener.h"

namespace quorvel::test {

class RecordingOpener : public ShellOpener {
public:
    void openFolder(const std::string& folder) override { folders.push_back(folder); }
    void openAddress(const std::string& address) override {
        addresses << QString::fromStdString(address);
    }
    std::vector<std::string> folders;
    QStringList addresses;
};

class RecordingMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

// The scripted dialog backend, with a pick of Qt paths: the first one is confirmed.
class ScriptedDialogs : public ScriptedDialogBackend {
public:
    using ScriptedDialogBackend::pick;
    void pick(const QStringList& files, std::optional<std::int32_t> returnedFlags = {}) {
        pick(files.value(0).toStdString(), returnedFlags);
    }
};

// Answers each chooser with the next scripted folder (nullopt: a cancel; a cancel when none is
// left) and keeps every title it was shown with.
class ScriptedFolders : public FolderChooser {
public:
    std::optional<std::string> chooseFolder(WindowHandle owner,
                                            const std::string& title) override;
    std::deque<std::optional<QString>> answers;
    QStringList titles;
    std::vector<WindowHandle> owners;
};

// Restores the values it holds (a value of nullopt is left alone) and keeps what is saved.
class RecordingSettings : public OptionSettings {
public:
    void restoreOptions(OptionValues& values) override;
    void saveOptions(const OptionValues& values) override;
    std::optional<QStringList> toRestore;
    std::vector<QStringList> saved;
};

// A window whose outside world is recorded: no real dialog, message box, browser or file
// manager ever shows.
struct FakeWorld {
    RecordingOpener opener;
    RecordingMessages messages;
    ScriptedDialogs dialogs;
    ScriptedFolders folders;
    RecordingSettings settings;

    Form1Services services(const std::string& programFolder = "/nonexistent/program",
                           std::optional<ScreenDensity> density = ScreenDensity{});
};

}  // namespace quorvel::test
