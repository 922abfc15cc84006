#pragma once
// A Win32 Form1 over the real platform, with the shell, the message box, the dialogs and the
// settings file scripted or kept in a folder of the test's own.
#include <memory>
#include <optional>

#include "form1_core.h"
#include "form1_window.h"
#include "option_settings.h"
#include "platform/child_process.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/file_system.h"
#include "platform/native_event_pump.h"
#include "platform/process_table.h"
#include "recording_shell.h"
#include "scripted_dialogs.h"
#include "shell_calls.h"

namespace quorvel::test {

// Keeps the options in memory: what the last close saved, and what the next start restores.
class KeptOptions : public OptionSettings {
public:
    void restoreOptions(OptionValues& values) override {
        if (kept) values = *kept;
    }
    void saveOptions(const OptionValues& values) override { kept = values; }
    std::optional<OptionValues> kept;
};

class Form1Fixture {
public:
    // `restored`: what the settings hold when the window starts.
    explicit Form1Fixture(std::optional<OptionValues> restored = std::nullopt) {
        shellScript() = {};
        settings.kept = std::move(restored);
        Form1Services services;
        services.pump = &m_pump;
        services.messages = &m_messages;
        services.opener = &m_opener;
        services.dialogs = &dialogs;
        services.folders = &m_folders;
        services.fileSystem = &platform::systemFileSystem();
        services.codePage = &platform::systemCodePage();
        services.clock = &platform::systemClock();
        services.children = &platform::systemChildProcesses();
        services.processes = &platform::systemProcessTable();
        services.settings = &settings;
        services.programFolder = "C:\\quorvel-test";
        services.stagingFolder = "C:\\quorvel-test\\staging";
        form = std::make_unique<win32::Form1>(std::move(services));
    }

    // Handles the thread's messages until `done` holds, for at most `limit` passes of 10 ms.
    template <typename Done>
    bool pumpUntil(Done done, int limit = 300) {
        for (int pass = 0; pass < limit && !done(); ++pass) {
            m_pump.pumpOnce();
            if (!done()) MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return done();
    }

    KeptOptions settings;
    ScriptedDialogBackend dialogs;
    std::unique_ptr<win32::Form1> form;

private:
    platform::NativeEventPump m_pump;
    win32::MessageBoxMessages m_messages{recordingShellFunctions()};
    win32::Win32ShellOpener m_opener{recordingShellFunctions()};
    win32::Win32FolderChooser m_folders{recordingShellFunctions()};
};

}  // namespace quorvel::test
