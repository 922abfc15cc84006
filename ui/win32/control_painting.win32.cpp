#include "control_painting.h"

#include <string>

#include "control_classes.h"

namespace quorvel::win32 {
namespace {

// Draws `picture` into `dc` with the picture's point `origin` at the dc's (0, 0).
void drawPicture(HDC dc, HBITMAP picture, POINT origin, const RECT& area) {
    HBRUSH background = CreateSolidBrush(kWindowBackground);
    FillRect(dc, &area, background);
    DeleteObject(background);
    if (!picture) return;
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(source, picture);
    BITMAP size{};
    GetObjectW(picture, sizeof size, &size);
    BitBlt(dc, 0, 0, size.bmWidth - origin.x, size.bmHeight - origin.y, source, origin.x, origin.y,
           SRCCOPY);
    SelectObject(source, previous);
    DeleteDC(source);
}

}  // namespace

void paintForm(HWND form, HBITMAP picture) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(form, &paint);
    RECT client;
    GetClientRect(form, &client);
    drawPicture(dc, picture, POINT{0, 0}, client);
    EndPaint(form, &paint);
}

void paintLabel(const DRAWITEMSTRUCT& item, HWND form, HBITMAP picture, ControlLook look) {
    POINT origin{0, 0};
    MapWindowPoints(item.hwndItem, form, &origin, 1);
    drawPicture(item.hDC, picture, origin, item.rcItem);
    const int length = GetWindowTextLengthA(item.hwndItem);
    std::string caption(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(item.hwndItem, caption.data(), length + 1);
    HGDIOBJ previous = SelectObject(
        item.hDC, reinterpret_cast<HFONT>(SendMessageA(item.hwndItem, WM_GETFONT, 0, 0)));
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, kCaptionColor);
    RECT area = item.rcItem;
    DrawTextA(item.hDC, caption.c_str(), length, &area,
              textAlignment(look) | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(item.hDC, previous);
}

HBRUSH textBoxColours(HDC dc, bool enabled) {
    static HBRUSH black = CreateSolidBrush(kTextBoxBackground);
    SetTextColor(dc, enabled ? kCaptionColor : kDisabledTextColor);
    SetBkColor(dc, kTextBoxBackground);
    return black;
}

}  // namespace quorvel::win32
