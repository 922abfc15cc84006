#pragma once
// The four system calls under the Win32 dialog backend, reachable through one struct so tests
// can stand in for them and see each record exactly as the dialog receives it.
#include <windows.h>
// windows.h first: commdlg.h needs its types.
#include <commdlg.h>

namespace quorvel::win32 {

struct CommonDialogFunctions {
    BOOL(WINAPI* getOpenFileName)(LPOPENFILENAMEW);
    BOOL(WINAPI* getSaveFileName)(LPOPENFILENAMEW);
    BOOL(WINAPI* chooseColor)(LPCHOOSECOLORW);
    DWORD(WINAPI* getSysColor)(int);
};

// GetOpenFileNameW, GetSaveFileNameW, ChooseColorW and GetSysColor.
const CommonDialogFunctions& systemCommonDialogFunctions();

}  // namespace quorvel::win32
