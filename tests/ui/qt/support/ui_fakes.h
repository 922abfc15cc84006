#pragma once
// The shared stand-ins (window_fakes.h) with the Qt window's own: a settings store that
// speaks QString, a scripted dialog backend, and the window built with them.
#include <QStringList>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "form1.h"
#include "option_settings.h"
#include "scripted_dialogs.h"
#include "window_fakes.h"

namespace quorvel::test {

// The scripted dialog backend, with a pick of Qt paths: the first one is confirmed.
class ScriptedDialogs : public ScriptedDialogBackend {
public:
    using ScriptedDialogBackend::pick;
    void pick(const QStringList& files, std::optional<std::int32_t> returnedFlags = {}) {
        pick(files.value(0).toStdString(), returnedFlags);
    }
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
