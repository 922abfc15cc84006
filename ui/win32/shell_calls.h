#pragma once
// The window's calls into the shell and the message box: the folder chooser, opening folders
// and addresses, and the critical message. Each goes through a struct of the system functions,
// so tests see the request exactly as the shell receives it.
#include <windows.h>
// windows.h first: the system headers below need its types.
#include <shlobj.h>

#include <optional>
#include <string>

#include "folder_chooser.h"
#include "platform/user_messages.h"
#include "shell_opener.h"

namespace quorvel::win32 {

struct ShellFunctions {
    PIDLIST_ABSOLUTE(WINAPI* browseForFolder)(LPBROWSEINFOA);
    BOOL(WINAPI* pathFromIdList)(PCIDLIST_ABSOLUTE, LPSTR);
    void(WINAPI* taskMemFree)(LPVOID);
    HINSTANCE(WINAPI* shellExecute)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    int(WINAPI* messageBox)(HWND, LPCSTR, LPCSTR, UINT);
};

// SHBrowseForFolderA, SHGetPathFromIDListA, CoTaskMemFree, ShellExecuteA, MessageBoxA.
const ShellFunctions& systemShellFunctions();

// The path buffer: 512 spaces and the terminating NUL, handed over as ANSI text.
inline constexpr std::size_t kFolderPathCharacters = 512;

// SHBrowseForFolderA, modal to the owner HWND: only file-system folders can be confirmed, and no
// folder is preselected. The chosen path as the shell gives it (UTF-8, from the code page); none
// when the user cancelled or the item has no file-system path.
class Win32FolderChooser : public FolderChooser {
public:
    explicit Win32FolderChooser(const ShellFunctions& shell) : m_shell(shell) {}
    std::optional<std::string> chooseFolder(WindowHandle owner, const std::string& title) override;

private:
    const ShellFunctions& m_shell;
};

// ShellExecuteA "open" with SW_SHOWNORMAL and no owner, for folders and addresses alike; its
// result is not read.
class Win32ShellOpener : public ShellOpener {
public:
    explicit Win32ShellOpener(const ShellFunctions& shell) : m_shell(shell) {}
    void openFolder(const std::string& folder) override { open(folder); }
    void openAddress(const std::string& address) override { open(address); }

private:
    void open(const std::string& target);

    const ShellFunctions& m_shell;
};

// A modal box with the critical icon, one OK button and the caption "Quorvel", owned by the
// given window, or else by the thread's active window (Form1 while it is shown).
class MessageBoxMessages : public platform::UserMessages {
public:
    explicit MessageBoxMessages(const ShellFunctions& shell, HWND owner = nullptr)
        : m_shell(shell), m_owner(owner) {}
    void showCritical(const std::string& text) override;

private:
    const ShellFunctions& m_shell;
    HWND m_owner;
};

}  // namespace quorvel::win32
