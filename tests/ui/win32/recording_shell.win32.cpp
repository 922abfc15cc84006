#include "recording_shell.h"

#include <cstring>

namespace quorvel::test {
namespace {

// A non-null stand-in for the item list the chooser returns.
ITEMIDLIST chosenItem{};

PIDLIST_ABSOLUTE WINAPI browseForFolder(LPBROWSEINFOA request) {
    shellScript().request = *request;
    shellScript().requestTitle =
        request->lpszTitle ? std::optional<std::string>(request->lpszTitle) : std::nullopt;
    return shellScript().chosenFolder ? &chosenItem : nullptr;
}

BOOL WINAPI pathFromIdList(PCIDLIST_ABSOLUTE list, LPSTR buffer) {
    ShellScript& script = shellScript();
    script.bufferHandedIn = buffer;
    if (!list) {
        script.pathAskedWithNullList = true;
        return FALSE;
    }
    std::strcpy(buffer, script.chosenFolder->c_str());
    return TRUE;
}

void WINAPI taskMemFree(LPVOID memory) { shellScript().freed.push_back(memory); }

HINSTANCE WINAPI shellExecute(HWND owner, LPCSTR verb, LPCSTR file, LPCSTR parameters,
                              LPCSTR folder, INT show) {
    shellScript().opened.push_back({verb ? verb : "", file ? file : "", owner != nullptr,
                                    parameters != nullptr, folder != nullptr, show});
    return reinterpret_cast<HINSTANCE>(static_cast<INT_PTR>(33));  // success
}

int WINAPI messageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    shellScript().boxes.push_back({owner, text ? text : "", caption ? caption : "", type});
    return IDOK;
}

}  // namespace

ShellScript& shellScript() {
    static ShellScript script;
    return script;
}

const win32::ShellFunctions& recordingShellFunctions() {
    static const win32::ShellFunctions functions{browseForFolder, pathFromIdList, taskMemFree,
                                                 shellExecute, messageBox};
    return functions;
}

}  // namespace quorvel::test
