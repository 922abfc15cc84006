#include <windows.h>
// tlhelp32.h needs windows.h first.
#include <tlhelp32.h>

#include "platform/process_table.h"

namespace quorvel::platform {
bool isProcessRunning(std::string_view exeName) {
    if (exeName.empty()) return false;
    PROCESSENTRY32 entry{};  // the narrow form: szExeFile in the ANSI code page
    entry.dwSize = sizeof entry;
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return false;
    bool found = false;
    // The walk runs to the end even after a match, so the snapshot is always fully released.
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry))
        if (sameExecutableName(entry.szExeFile, exeName)) found = true;
    CloseHandle(snapshot);
    return found;
}

}  // namespace quorvel::platform
