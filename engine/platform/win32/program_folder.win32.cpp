#include "platform/program_folder.h"

#include <windows.h>

#include "platform/win32/win32_text.h"

namespace quorvel::platform {

std::string programFolder() {
    std::wstring path(32768, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    path.resize(n);
    const auto slash = path.find_last_of(L"\\/");
    return win32::narrowUtf8(slash == std::wstring::npos ? L"." : path.substr(0, slash));
}

const char* pathSeparator() { return "\\"; }

}  // namespace quorvel::platform
