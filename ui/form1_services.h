#pragma once
// What Form1 takes from outside: every platform object it works through, the program's folders,
// and the display's density when it is not the screen's. Nothing here picks a real object by
// default: the program's composition root (programServices) builds the real ones, and tests
// hand in recording or scripted ones.
#include <optional>
#include <string>

#include "dialog_backend.h"
#include "folder_chooser.h"
#include "platform/child_process.h"
#include "platform/clock.h"
#include "platform/code_page.h"
#include "platform/event_pump.h"
#include "platform/file_system.h"
#include "platform/process_table.h"
#include "platform/user_messages.h"
#include "screen_density.h"
#include "shell_opener.h"

namespace quorvel {

class OptionSettings;

struct Form1Services {
    platform::EventPump* pump = nullptr;
    platform::UserMessages* messages = nullptr;
    ShellOpener* opener = nullptr;
    DialogBackend* dialogs = nullptr;
    FolderChooser* folders = nullptr;
    platform::FileSystem* fileSystem = nullptr;
    const platform::CodePage* codePage = nullptr;
    const platform::LocalClock* clock = nullptr;
    platform::ChildProcesses* children = nullptr;
    const platform::ProcessTable* processes = nullptr;
    OptionSettings* settings = nullptr;  // none: nothing is kept between runs
    std::string programFolder;
    std::string stagingFolder;
    std::optional<ScreenDensity> density;  // none: from the screen's logical DPI
};

// The program's composition root: every real platform object, the settings file, the
// program's own folder and the staging folder.
Form1Services programServices();

}  // namespace quorvel
