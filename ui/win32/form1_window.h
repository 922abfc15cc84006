#pragma once
// Form1 as a native Win32 window: a fixed dialog frame whose client area is the drop-area
// picture, with the controls of the table over it as 8-bit child windows. It creates them,
// paints, and routes the window's messages to the shared Form1Core, which does the rest.
#include <windows.h>

#include <memory>

#include "form1_services.h"
#include "screen_density.h"
#include "win32_controls.h"

namespace quorvel {

class Form1Core;

namespace win32 {

class DropTarget;
class RunTimer;
class Win32Form1View;

// Screen.TwipsPerPixelX and Y of the display: 1440 / LOGPIXELSX and LOGPIXELSY.
ScreenDensity displayDensity();

class Form1 {
public:
    explicit Form1(Form1Services services);
    ~Form1();
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    HWND hwnd() const { return m_hwnd; }
    const Win32Controls& controls() const { return m_controls; }
    Form1Core& core() { return *m_core; }
    const RunTimer& timerRun() const { return *m_timerRun; }
    IDropTarget& dropTarget();

    // Shows the window where start-up put it, centred on the screen's work area.
    void show();
    // The window was closed and no batch runs any more: the program may end now.
    bool ended() const { return m_ended; }

private:
    static LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createParts();
    void command(HWND control, WORD notification);
    void timer(UINT_PTR id);
    void mouseButton(UINT message, LPARAM at);
    LRESULT drawItem(const DRAWITEMSTRUCT& item);
    bool setCursor(HWND over);
    bool isTextBox(HWND control) const;
    HBITMAP currentPicture() const;
    void unloaded();

    HWND m_hwnd = nullptr;
    Win32Controls m_controls;
    std::unique_ptr<RunTimer> m_timerRun;
    std::unique_ptr<Win32Form1View> m_view;
    std::unique_ptr<Form1Core> m_core;
    std::unique_ptr<DropTarget> m_dropTarget;
    HBITMAP m_normalPicture = nullptr;
    HBITMAP m_highlightedPicture = nullptr;
    HCURSOR m_handPointer = nullptr;
    bool m_clickStarted = false;
    bool m_ended = false;
};

}  // namespace win32
}  // namespace quorvel
