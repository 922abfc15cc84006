#pragma once
// The window class and styles each control of the table is created with. The text boxes and the
// list box are 8-bit controls (created through the ANSI entry points); labels draw themselves,
// so the picture shows through around their white text.
#include <windows.h>

#include "control_table.h"

namespace quorvel::win32 {

struct ControlClass {
    const char* className;  // null: no window (the timer)
    DWORD style;            // WS_CHILD and the class's styles; visibility and enabling aside
    DWORD extendedStyle;
};

ControlClass controlClass(const ControlSpec& spec);

// The full style a control of the table is created with: its class's, visible unless the look
// is Hidden, disabled when the design says so.
DWORD creationStyle(const ControlSpec& spec);

// The look's text alignment for DrawText.
UINT textAlignment(ControlLook look);

}  // namespace quorvel::win32
