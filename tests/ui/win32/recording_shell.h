#pragma once
// Stand-ins for the shell and the message box that keep what each call received and answer
// as a script says, so no test opens a real chooser, browser or box.
#include <windows.h>
// windows.h first: the system headers below need its types.
#include <shlobj.h>

#include <optional>
#include <string>
#include <vector>

#include "shell_calls.h"

namespace quorvel::test {

struct ShellCall {
    std::string verb, file;
    bool hadOwner = false;
    bool hadParameters = false;
    bool hadFolder = false;
    int show = 0;
};

struct BoxCall {
    HWND owner = nullptr;
    std::string text, caption;
    UINT type = 0;
};

struct ShellScript {
    // The folder the chooser's item list names; nullopt: the user cancels (a null list).
    std::optional<std::string> chosenFolder;
    std::optional<BROWSEINFOA> request;
    std::optional<std::string> requestTitle;
    std::string bufferHandedIn;  // the path buffer as SHGetPathFromIDListA received it
    bool pathAskedWithNullList = false;
    std::vector<void*> freed;
    std::vector<ShellCall> opened;
    std::vector<BoxCall> boxes;
};

// The script every stand-in reads and writes; reset by each test.
ShellScript& shellScript();
const win32::ShellFunctions& recordingShellFunctions();

}  // namespace quorvel::test
