#include "desktop_shell_opener.h"
#include "form1_services.h"
#include "platform/program_folder.h"
#include "qt_dialog_backend.h"
#include "qt_event_pump.h"
#include "qt_folder_chooser.h"
#include "qt_user_messages.h"
#include "settings_file.h"
#include "staging.h"

namespace quorvel {

Form1Services programServices() {
    static SettingsFile settings = programSettingsFile(qtEventPump());
    Form1Services services;
    services.pump = &qtEventPump();
    services.messages = &qtUserMessages();
    services.opener = &desktopShellOpener();
    services.dialogs = &qtDialogBackend();
    services.folders = &qtFolderChooser();
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
