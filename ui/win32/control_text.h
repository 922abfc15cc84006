#pragma once
// Text in and out of the 8-bit controls. The program's text is UTF-8; the controls hold it in
// the system's ANSI code page, so what comes back is what survived that code page.
#include <windows.h>

#include <string>
#include <string_view>

namespace quorvel::win32 {

std::string ansiText(std::string_view utf8);

// The control's text (a label's caption), read through GetWindowTextA, as UTF-8.
std::string controlText(HWND control);
void setControlText(HWND control, std::string_view utf8);

}  // namespace quorvel::win32
