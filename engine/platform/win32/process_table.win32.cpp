#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "platform/process_table.h"

namespace quorvel::platform {
namespace {

std::string lowered(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(),
                           [](unsigned char c) { return char(std::tolower(c)); });
    return out;
}

}  // namespace

bool isProcessRunning(std::string_view exeName) {
    if (exeName.empty()) return false;
    const std::string wanted = lowered(exeName);
    PROCESSENTRY32 entry{};  // the narrow form: szExeFile in the ANSI code page
    entry.dwSize = sizeof entry;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    // The walk runs to the end even after a match, so the snapshot is always fully released.
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry))
        if (lowered(entry.szExeFile) == wanted) found = true;
    CloseHandle(snapshot);
    return found;
}

}  // namespace quorvel::platform
