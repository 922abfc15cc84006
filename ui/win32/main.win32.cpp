// Quorvel: drop photos on the window, or click it and pick one, and find them converted in the
// output folder. Takes no arguments.
#include <windows.h>
// windows.h first: the system headers below need its types.
#include <ole2.h>

#include "form1_window.h"

int main() {
    // The layout keeps its pixel size at the display's real density (the DPI pass), so the
    // system must not scale the window's pixels again.
    SetProcessDPIAware();
    // The drop target, the folder chooser and the picture decoder are COM, in the window's
    // one thread.
    if (FAILED(OleInitialize(nullptr))) return 1;
    int status = 0;
    {
        quorvel::win32::Form1 form(quorvel::programServices());
        form.show();
        // The window's destruction ends the loop: after its close, once no batch runs.
        MSG message;
        BOOL got;
        while ((got = GetMessageA(&message, nullptr, 0, 0)) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        status = got < 0 ? 1 : static_cast<int>(message.wParam);
    }
    OleUninitialize();
    return status;
}
