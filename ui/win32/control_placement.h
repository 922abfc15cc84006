#pragma once
// Puts Form1's child windows where the layout says, in pixels at the display's density, each with
// its look's font at its point size, and sizes the labels that fit their caption to it.
#include <windows.h>

#include <array>

#include "control_table.h"
#include "screen_density.h"
#include "win32_controls.h"

namespace quorvel {
class Form1Layout;

namespace win32 {

class ControlPlacement {
public:
    explicit ControlPlacement(const Win32Controls& controls) : m_controls(controls) {}
    ~ControlPlacement();
    ControlPlacement(const ControlPlacement&) = delete;
    ControlPlacement& operator=(const ControlPlacement&) = delete;

    void place(const Form1Layout& layout, const ScreenDensity& density);

    // A label that fits its caption takes its text's size, keeping its top-left corner; any
    // other control is left as it is.
    void fitToCaption(HWND control) const;

private:
    const Win32Controls& m_controls;
    std::array<HFONT, kControls.size()> m_fonts{};
};

// The font of a look at a size in points, at the density's vertical DPI.
HFONT createLookFont(ControlLook look, double pointSize, const ScreenDensity& density);

}  // namespace win32
}  // namespace quorvel
