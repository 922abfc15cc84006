#pragma once
// How Form1 and its controls paint: the picture unscaled from the client area's top-left
// corner on the dark grey background, labels as white text over the picture behind them, text
// boxes white on black.
#include <windows.h>

#include "control_table.h"

namespace quorvel::win32 {

inline constexpr COLORREF kWindowBackground = RGB(64, 64, 64);
inline constexpr COLORREF kCaptionColor = RGB(255, 255, 255);
inline constexpr COLORREF kTextBoxBackground = RGB(0, 0, 0);
inline constexpr COLORREF kDisabledTextColor = RGB(128, 128, 128);

// WM_PAINT of the window: the background colour where the picture does not reach.
void paintForm(HWND form, HBITMAP picture);

// WM_DRAWITEM of an owner-drawn label: the piece of the form's picture it covers, then its
// caption in the look's alignment.
void paintLabel(const DRAWITEMSTRUCT& item, HWND form, HBITMAP picture, ControlLook look);

// WM_CTLCOLOREDIT and, for a disabled text box, WM_CTLCOLORSTATIC: the brush of the box.
HBRUSH textBoxColours(HDC dc, bool enabled);

}  // namespace quorvel::win32
