#include "form1_window.h"

#include <windowsx.h>

#include "control_painting.h"
#include "control_table.h"
#include "drop_target.h"
#include "form1_core.h"
#include "option_handlers.h"
#include "png_resource.h"
#include "resource_ids.h"
#include "run_timer.h"
#include "win32_form1_view.h"

namespace quorvel::win32 {
namespace {

constexpr const char* kWindowClass = "QuorvelForm1";
// A fixed dialog frame: a caption with the system menu and its close button, no sizing border,
// no minimise or maximise button.
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kWindowExtendedStyle = WS_EX_DLGMODALFRAME;

constexpr UINT_PTR kRunTimerId = 1;
// Posted once the window has closed and no batch runs: it is destroyed outside every handler.
constexpr UINT kUnloadedMessage = WM_APP + 1;

constexpr POINT kHandPointerHotSpot{6, 0};

HICON applicationIcon(HINSTANCE instance, int widthMetric, int heightMetric) {
    return static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(QUORVEL_ICON), IMAGE_ICON,
                                         GetSystemMetrics(widthMetric),
                                         GetSystemMetrics(heightMetric), 0));
}

// No CS_DBLCLKS: every press on the drop area is a press, however quick the one before.
void registerWindowClass(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    if (GetClassInfoExA(instance, kWindowClass, &cls)) return;
    cls.cbSize = sizeof cls;
    cls.hInstance = instance;
    cls.lpszClassName = kWindowClass;
    cls.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    cls.hIcon = applicationIcon(instance, SM_CXICON, SM_CYICON);
    cls.hIconSm = applicationIcon(instance, SM_CXSMICON, SM_CYSMICON);
    cls.lpfnWndProc = DefWindowProcA;
    RegisterClassExA(&cls);
}

bool isLink(ControlLook look) {
    return look == ControlLook::Link || look == ControlLook::RightLink;
}

}  // namespace

ScreenDensity displayDensity() {
    HDC screen = GetDC(nullptr);
    const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
    const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    if (dpiX <= 0 || dpiY <= 0) return {};
    return densityForDpi(dpiX, dpiY);
}

Form1::Form1(Form1Services services) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    registerWindowClass(instance);
    m_hwnd = CreateWindowExA(kWindowExtendedStyle, kWindowClass, "Quorvel", kWindowStyle,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                             nullptr, instance, nullptr);
    SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(m_hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&windowProcedure));
    createParts();
    const ScreenDensity density = services.density.value_or(displayDensity());
    m_core =
        std::make_unique<Form1Core>(std::move(services), *m_view, density, [this] { unloaded(); });
    m_core->Form_Load();
}

Form1::~Form1() {
    if (IsWindow(m_hwnd)) {
        RevokeDragDrop(m_hwnd);
        // The window goes first, and its last messages no longer reach the parts below.
        SetWindowLongPtrA(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(m_hwnd);
    }
    if (m_normalPicture) DeleteObject(m_normalPicture);
    if (m_highlightedPicture) DeleteObject(m_highlightedPicture);
    if (m_handPointer) DestroyCursor(m_handPointer);
}

void Form1::createParts() {
    m_controls = createControls(m_hwnd);
    m_normalPicture = loadPngResource(QUORVEL_PICTURE_NORMAL);
    m_highlightedPicture = loadPngResource(QUORVEL_PICTURE_HIGHLIGHTED);
    m_handPointer =
        loadPngCursor(QUORVEL_HAND_POINTER, kHandPointerHotSpot.x, kHandPointerHotSpot.y);
    SendMessageA(QUORVEL_CONTROL(m_controls, picBack1), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(m_normalPicture));
    SendMessageA(QUORVEL_CONTROL(m_controls, picBack2), STM_SETIMAGE, IMAGE_BITMAP,
                 reinterpret_cast<LPARAM>(m_highlightedPicture));
    m_timerRun = std::make_unique<RunTimer>(m_hwnd, kRunTimerId, kRunTimerInterval);
    m_view = std::make_unique<Win32Form1View>(m_hwnd, m_controls, *m_timerRun);
    // Registered on the window alone: a drop over any of its controls is the window's drop.
    m_dropTarget = std::make_unique<DropTarget>(
        [this] { m_core->draggedOver(); },
        [this](const std::vector<std::string>& paths) { m_core->dropped(paths); });
    RegisterDragDrop(m_hwnd, m_dropTarget.get());
}

IDropTarget& Form1::dropTarget() { return *m_dropTarget; }

void Form1::show() {
    ShowWindow(m_hwnd, SW_SHOWNORMAL);
    UpdateWindow(m_hwnd);
}

LRESULT CALLBACK Form1::windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!form || !form->m_core) return DefWindowProcA(hwnd, message, wParam, lParam);
    return form->handle(message, wParam, lParam);
}

LRESULT Form1::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            paintForm(m_hwnd, currentPicture());
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_DRAWITEM:
            return drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CTLCOLOREDIT:
            return reinterpret_cast<LRESULT>(textBoxColours(reinterpret_cast<HDC>(wParam), true));
        case WM_CTLCOLORSTATIC:  // a disabled text box asks as a static control does
            if (!isTextBox(reinterpret_cast<HWND>(lParam))) break;
            return reinterpret_cast<LRESULT>(textBoxColours(reinterpret_cast<HDC>(wParam), false));
        case WM_SETCURSOR:
            if (setCursor(reinterpret_cast<HWND>(wParam))) return TRUE;
            break;
        case WM_MOUSEMOVE:
            m_core->pointerMoved(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            mouseButton(message, lParam);
            return 0;
        case WM_COMMAND:
            command(reinterpret_cast<HWND>(lParam), HIWORD(wParam));
            return 0;
        case WM_TIMER:
            timer(wParam);
            return 0;
        case WM_CLOSE:
            // Hidden at once; destroyed once no batch runs any more (unloaded).
            if (m_core->closeRequested()) ShowWindow(m_hwnd, SW_HIDE);
            return 0;
        case kUnloadedMessage:
            DestroyWindow(m_hwnd);
            return 0;
        case WM_DESTROY:
            RevokeDragDrop(m_hwnd);
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcA(m_hwnd, message, wParam, lParam);
}

// A click is a press and a release of the left button, both over the window's own area.
void Form1::mouseButton(UINT message, LPARAM at) {
    if (message == WM_LBUTTONDOWN) {
        m_clickStarted = true;
        SetCapture(m_hwnd);
        return;
    }
    const bool started = m_clickStarted;
    m_clickStarted = false;
    ReleaseCapture();
    RECT client{};
    GetClientRect(m_hwnd, &client);
    if (started && PtInRect(&client, POINT{GET_X_LPARAM(at), GET_Y_LPARAM(at)})) m_core->clicked();
}

// The option strip's clicks. A label's second click in quick succession comes as a double
// click; it is a click all the same, so quick clicks on the format step through every format.
void Form1::command(HWND control, WORD notification) {
    const bool labelClick = notification == STN_CLICKED || notification == STN_DBLCLK;
    OptionHandlers& options = m_core->options();
    if (control == QUORVEL_CONTROL(m_controls, Command1) && notification == BN_CLICKED)
        return options.Command1_Click();
    if (!labelClick) return;
    if (control == QUORVEL_CONTROL(m_controls, lblFormat)) return options.lblFormat_Click();
    if (control == QUORVEL_CONTROL(m_controls, Label5)) return options.Label5_Click();
    if (control == QUORVEL_CONTROL(m_controls, lblPath)) return options.lblPath_Click();
    if (control == QUORVEL_CONTROL(m_controls, Label3)) return options.Label3_Click();
}

void Form1::timer(UINT_PTR id) {
    if (id == m_timerRun->id()) return m_core->timerRun_Timer();
    m_view->runDue(id);
}

HBITMAP Form1::currentPicture() const {
    switch (m_core->pictures().current()) {
        case DropAreaPicture::Normal:
            return m_normalPicture;
        case DropAreaPicture::Highlighted:
            return m_highlightedPicture;
        case DropAreaPicture::None:
            break;
    }
    return nullptr;
}

LRESULT Form1::drawItem(const DRAWITEMSTRUCT& item) {
    const std::size_t index = m_controls.indexOf(item.hwndItem);
    if (index >= kControls.size()) return FALSE;
    paintLabel(item, m_hwnd, currentPicture(), kControls[index].look);
    return TRUE;
}

bool Form1::isTextBox(HWND control) const {
    const std::size_t index = m_controls.indexOf(control);
    return index < kControls.size() && kControls[index].kind == ControlKind::TextBox;
}

bool Form1::setCursor(HWND over) {
    const std::size_t index = m_controls.indexOf(over);
    if (index >= kControls.size() || !isLink(kControls[index].look) || !m_handPointer)
        return false;
    SetCursor(m_handPointer);
    return true;
}

void Form1::unloaded() {
    m_ended = true;
    PostMessageA(m_hwnd, kUnloadedMessage, 0, 0);
}

}  // namespace quorvel::win32
