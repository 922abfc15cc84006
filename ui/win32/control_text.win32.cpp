#include "control_text.h"

#include "platform/code_page.h"

namespace quorvel::win32 {

std::string ansiText(std::string_view utf8) { return platform::systemCodePage().toAnsi(utf8); }

std::string controlText(HWND control) {
    const int length = GetWindowTextLengthA(control);
    std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
    const int read = GetWindowTextA(control, bytes.data(), length + 1);
    bytes.resize(static_cast<std::size_t>(read > 0 ? read : 0));
    return platform::systemCodePage().fromAnsi(bytes);
}

void setControlText(HWND control, std::string_view utf8) {
    SetWindowTextA(control, ansiText(utf8).c_str());
}

}  // namespace quorvel::win32
