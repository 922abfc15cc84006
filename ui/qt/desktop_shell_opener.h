#pragma once
#include "shell_opener.h"

namespace quorvel {

// QDesktopServices::openUrl: the desktop's file manager and browser.
ShellOpener& desktopShellOpener();

}  // namespace quorvel
