#include "shell_calls.h"

#include <shellapi.h>

#include <cstring>

#include "control_text.h"
#include "platform/code_page.h"

namespace quorvel::win32 {

const ShellFunctions& systemShellFunctions() {
    static const ShellFunctions functions{SHBrowseForFolderA, SHGetPathFromIDListA, CoTaskMemFree,
                                          ShellExecuteA, MessageBoxA};
    return functions;
}

std::optional<std::string> Win32FolderChooser::chooseFolder(WindowHandle owner,
                                                            const std::string& title) {
    const std::string ansiTitle = ansiText(title);
    BROWSEINFOA request{};
    request.hwndOwner = static_cast<HWND>(owner);
    request.pidlRoot = nullptr;        // the tree starts at the desktop
    request.pszDisplayName = nullptr;  // no display name asked for
    request.lpszTitle = ansiTitle.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    request.lpfn = nullptr;  // no callback: nothing is preselected
    request.lParam = 0;
    request.iImage = 0;
    PIDLIST_ABSOLUTE chosen = m_shell.browseForFolder(&request);
    std::string buffer(kFolderPathCharacters, ' ');
    // Asked with a null list too: the shell then answers zero, as for a cancel.
    const BOOL found = m_shell.pathFromIdList(chosen, buffer.data());
    if (chosen) m_shell.taskMemFree(chosen);
    if (!found) return std::nullopt;
    buffer.resize(std::strlen(buffer.c_str()));  // the text before its first NUL
    return platform::systemCodePage().fromAnsi(buffer);
}

void Win32ShellOpener::open(const std::string& target) {
    m_shell.shellExecute(nullptr, "open", ansiText(target).c_str(), nullptr, nullptr,
                         SW_SHOWNORMAL);
}

void MessageBoxMessages::showCritical(const std::string& text) {
    m_shell.messageBox(m_owner ? m_owner : GetActiveWindow(), ansiText(text).c_str(), "Quorvel",
                       MB_OK | MB_ICONSTOP);
}

}  // namespace quorvel::win32
