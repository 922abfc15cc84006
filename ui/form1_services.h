#pragma once
// What Form1 takes from outside: the platform's services (tests put recording ones in their
// place), the program's folders, and the display's density when it is not the screen's.
#include <optional>
#include <string>

#include "dialog_backend.h"
#include "folder_chooser.h"
#include "platform/event_pump.h"
#include "platform/program_folder.h"
#include "platform/user_messages.h"
#include "qt_event_pump.h"
#include "qt_user_messages.h"
#include "screen_density.h"
#include "shell_opener.h"
#include "staging.h"

namespace quorvel {

class OptionSettings;

struct Form1Services {
    platform::EventPump* pump = &qtEventPump();
    platform::UserMessages* messages = &qtUserMessages();
    ShellOpener* opener = &desktopShellOpener();
    DialogBackend* dialogs = &qtDialogBackend();
    FolderChooser* folders = &qtFolderChooser();
    OptionSettings* settings = nullptr;  // none: nothing is kept between runs
    std::string programFolder = platform::programFolder();
    std::string stagingFolder = defaultStagingFolder();
    std::optional<ScreenDensity> density;  // none: from the screen's logical DPI
};

}  // namespace quorvel
