#include "win32_controls.h"

#include <string>

#include "control_classes.h"
#include "control_text.h"

namespace quorvel::win32 {

std::size_t Win32Controls::indexOf(HWND child) const {
    for (std::size_t i = 0; i < byIndex.size(); ++i)
        if (child && byIndex[i] == child) return i;
    return byIndex.size();
}

Win32Controls createControls(HWND form) {
    Win32Controls controls;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlSpec& spec = kControls[i];
        const ControlClass cls = controlClass(spec);
        if (!cls.className) continue;
        const std::string text = ansiText(spec.text);
        controls.byIndex[i] = CreateWindowExA(
            cls.extendedStyle, cls.className, text.c_str(), creationStyle(spec), 0, 0, 0, 0, form,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(i))), instance, nullptr);
    }
    return controls;
}

}  // namespace quorvel::win32
