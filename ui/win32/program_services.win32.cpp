#include "form1_services.h"
#include "platform/native_event_pump.h"
#include "platform/program_folder.h"
#include "settings_file.h"
#include "shell_calls.h"
#include "staging.h"
#include "win32_dialog_backend.h"

namespace quorvel {

Form1Services programServices() {
    static platform::NativeEventPump pump;
    static win32::MessageBoxMessages messages(win32::systemShellFunctions());
    static win32::Win32ShellOpener opener(win32::systemShellFunctions());
    static win32::Win32FolderChooser folders(win32::systemShellFunctions());
    static SettingsFile settings = programSettingsFile(pump);
    Form1Services services;
    services.pump = &pump;
    services.messages = &messages;
    services.opener = &opener;
    services.dialogs = &win32DialogBackend();
    services.folders = &folders;
    services.fileSystem = &platform::systemFileSystem();
    services.codePage = &platform::systemCodePage();
    services.clock = &platform::systemClock();
    services.children = &platform::systemChildProcesses();
    services.processes = &platform::systemProcessTable();
    services.settings = &settings;
    services.programFolder = platform::programFolder();
    services.stagingFolder = defaultStagingFolder();
    return services;
}

}  // namespace quorvel
