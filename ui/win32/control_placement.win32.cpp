#include "control_placement.h"

#include <cmath>
#include <string>

#include "form1_layout.h"

namespace quorvel::win32 {
namespace {

constexpr double kPointsPerInch = 72;
constexpr double kTwipsPerInch = 1440;

void replaceFont(HFONT& kept, HFONT made) {
    if (kept) DeleteObject(kept);
    kept = made;
}

}  // namespace

HFONT createLookFont(ControlLook look, double pointSize, const ScreenDensity& density) {
    const double dpiY = kTwipsPerInch / density.twipsPerPixelY;
    const int height = -static_cast<int>(std::lround(pointSize * dpiY / kPointsPerInch));
    const bool link = look == ControlLook::Link || look == ControlLook::RightLink;
    const int weight = look == ControlLook::Prompt ? FW_BOLD : FW_NORMAL;
    return CreateFontA(height, 0, 0, 0, weight, FALSE, link, FALSE, DEFAULT_CHARSET,
                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                       DEFAULT_PITCH | FF_SWISS, "Verdana");
}

ControlPlacement::~ControlPlacement() {
    for (HFONT& font : m_fonts) replaceFont(font, nullptr);
}

void ControlPlacement::place(const Form1Layout& layout, const ScreenDensity& density) {
    for (ControlId id = 0; id < kControls.size(); ++id) {
        HWND control = m_controls.byIndex[id];
        if (!control) continue;
        const PixelRect r = layout.pixelRect(id, density);
        MoveWindow(control, r.left, r.top, r.width, r.height, TRUE);
        if (const auto& size = layout.geometry(id).FontSize) {
            replaceFont(m_fonts[id], createLookFont(kControls[id].look, *size, density));
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(m_fonts[id]), TRUE);
        }
        fitToCaption(control);
    }
}

void ControlPlacement::fitToCaption(HWND control) const {
    const std::size_t id = m_controls.indexOf(control);
    if (id >= kControls.size() || !kControls[id].fitsCaption) return;
    const int length = GetWindowTextLengthA(control);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(control, text.data(), length + 1);
    HDC dc = GetDC(control);
    HGDIOBJ previous = SelectObject(dc, m_fonts[id]);
    SIZE size{};
    GetTextExtentPoint32A(dc, text.c_str(), length, &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    SetWindowPos(control, nullptr, 0, 0, size.cx, size.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace quorvel::win32
