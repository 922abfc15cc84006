// The Win32 Form1: its frame, its controls as the system created them, and its layout at the
// display's density (run at 96 and at 120 DPI through test_main's --logpixels).
#include "form1_window.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "control_table.h"
#include "form1_fixture.h"
#include "run_timer.h"
#include "test_density.h"

namespace quorvel {
namespace {

using win32::Form1;

std::string className(HWND control) {
    char name[64] = {};
    GetClassNameA(control, name, sizeof name);
    return name;
}

std::string windowText(HWND control) {
    char text[256] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

DWORD style(HWND window) { return static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE)); }

// A control's rectangle in the window's client coordinates, in pixels.
RECT clientRect(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

int designPixels(double twips) { return static_cast<int>(std::lround(twips / 15)); }

class Win32Form1 : public testing::Test {
protected:
    test::Form1Fixture fixture;
    Form1& form = *fixture.form;
    const win32::Win32Controls& controls = form.controls();
};

TEST_F(Win32Form1, IsAFixedDialogFrameCaptionedWithTheProgramsName) {
    const DWORD frame = style(form.hwnd());
    EXPECT_EQ(frame & WS_CAPTION, static_cast<DWORD>(WS_CAPTION));
    EXPECT_TRUE(frame & WS_SYSMENU);
    EXPECT_FALSE(frame & WS_THICKFRAME) << "the user cannot resize it";
    EXPECT_FALSE(frame & WS_MINIMIZEBOX);
    EXPECT_FALSE(frame & WS_MAXIMIZEBOX);
    EXPECT_TRUE(GetWindowLongPtrA(form.hwnd(), GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
    EXPECT_EQ(windowText(form.hwnd()), "Quorvel");
    EXPECT_NE(GetClassLongPtrA(form.hwnd(), GCLP_HICON), 0) << "the application icon";
    EXPECT_NE(GetClassLongPtrA(form.hwnd(), GCLP_HICONSM), 0);
}

struct ExpectedClass {
    ControlKind kind;
    const char* className;
    DWORD type;  // the class's style bits that tell the control's type
    DWORD typeMask;
};

constexpr ExpectedClass kExpectedClasses[] = {
    {ControlKind::PictureBox, "Static", SS_BITMAP, SS_TYPEMASK},
    {ControlKind::Label, "Static", SS_OWNERDRAW | SS_NOTIFY, SS_TYPEMASK | SS_NOTIFY},
    {ControlKind::TextBox, "Edit", ES_LEFT | ES_AUTOHSCROLL,
     ES_CENTER | ES_RIGHT | ES_MULTILINE | ES_AUTOHSCROLL | ES_PASSWORD},
    {ControlKind::Button, "Button", BS_PUSHBUTTON, BS_TYPEMASK},
    {ControlKind::ListBox, "ListBox", 0, LBS_SORT | LBS_MULTIPLESEL | LBS_OWNERDRAWFIXED},
};

TEST_F(Win32Form1, CreatesEveryControlOfTheTableWithItsClassStyleAndDesignText) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlSpec& spec = kControls[i];
        SCOPED_TRACE(std::string(spec.name));
        HWND control = controls.byIndex[i];
        if (spec.kind == ControlKind::Timer) {
            EXPECT_EQ(control, nullptr);
            continue;
        }
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(GetParent(control), form.hwnd());
        EXPECT_EQ(GetDlgCtrlID(control), win32::controlId(i));
        for (const ExpectedClass& expected : kExpectedClasses) {
            if (expected.kind != spec.kind) continue;
            EXPECT_STRCASEEQ(className(control).c_str(), expected.className);
            EXPECT_EQ(style(control) & expected.typeMask, expected.type);
        }
        EXPECT_FALSE(IsWindowUnicode(control)) << "an 8-bit control";
        // The window itself is not shown, so the controls' own visibility is asked.
        EXPECT_EQ((style(control) & WS_VISIBLE) != 0, spec.look != ControlLook::Hidden);
        EXPECT_EQ(IsWindowEnabled(control) != FALSE, spec.enabled);
        if (spec.kind != ControlKind::PictureBox && spec.kind != ControlKind::ListBox) {
            EXPECT_EQ(windowText(control), spec.text);
        }
    }
}

TEST_F(Win32Form1, TheTimerIsDisarmedWithItsInterval) {
    EXPECT_FALSE(form.timerRun().enabled());
    EXPECT_EQ(form.timerRun().interval(), 50u);
}

TEST_F(Win32Form1, PictureHoldersKeepTheirPicturesAndTheWindowShowsTheNormalOne) {
    for (HWND holder :
         {QUORVEL_CONTROL(controls, picBack1), QUORVEL_CONTROL(controls, picBack2)}) {
        BITMAP picture{};
        const auto held =
            reinterpret_cast<HBITMAP>(SendMessageA(holder, STM_GETIMAGE, IMAGE_BITMAP, 0));
        ASSERT_TRUE(GetObjectW(held, sizeof picture, &picture));
        EXPECT_EQ(picture.bmWidth, 476);
        EXPECT_EQ(picture.bmHeight, 245);
    }
    EXPECT_TRUE(form.core().pictures().showsNormal());
}

TEST_F(Win32Form1, LinkLabelsShowTheHandWithItsHotSpotAtTheFingertip) {
    for (HWND link : {QUORVEL_CONTROL(controls, lblFormat), QUORVEL_CONTROL(controls, Label5),
                      QUORVEL_CONTROL(controls, lblPath), QUORVEL_CONTROL(controls, Label3)}) {
        SetCursor(nullptr);
        EXPECT_TRUE(SendMessageA(form.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
        ICONINFO hand{};
        ASSERT_TRUE(GetIconInfo(GetCursor(), &hand));
        EXPECT_FALSE(hand.fIcon);
        EXPECT_EQ(hand.xHotspot, 6u);
        EXPECT_EQ(hand.yHotspot, 0u);
        DeleteObject(hand.hbmColor);
        DeleteObject(hand.hbmMask);
    }
    EXPECT_FALSE(SendMessageA(form.hwnd(), WM_SETCURSOR,
                              reinterpret_cast<WPARAM>(QUORVEL_CONTROL(controls, Label7)),
                              MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
}

TEST_F(Win32Form1, TheDensityIsTheDisplays) {
    const ScreenDensity density = form.core().density();
    HDC screen = GetDC(nullptr);
    EXPECT_DOUBLE_EQ(density.twipsPerPixelX, 1440.0 / GetDeviceCaps(screen, LOGPIXELSX));
    EXPECT_DOUBLE_EQ(density.twipsPerPixelY, 1440.0 / GetDeviceCaps(screen, LOGPIXELSY));
    ReleaseDC(nullptr, screen);
    if (const auto dpi = test::expectedDpi()) {
        EXPECT_DOUBLE_EQ(density.twipsPerPixelX, 1440.0 / *dpi);
        EXPECT_DOUBLE_EQ(density.twipsPerPixelY, 1440.0 / *dpi);
    }
}

TEST_F(Win32Form1, EveryControlKeepsItsDesignPixelsAtTheDisplaysDensity) {
    for (std::size_t i = 0; i < kControls.size(); ++i) {
        const ControlSpec& spec = kControls[i];
        if (spec.kind == ControlKind::Timer || spec.kind == ControlKind::PictureBox) continue;
        SCOPED_TRACE(std::string(spec.name));
        const RECT r = clientRect(controls.byIndex[i]);
        EXPECT_EQ(r.left, designPixels(spec.geometry.Left));
        EXPECT_EQ(r.top, designPixels(spec.geometry.Top));
        if (spec.fitsCaption) continue;  // sized to its caption
        EXPECT_EQ(r.right - r.left, designPixels(*spec.geometry.Width));
        EXPECT_EQ(r.bottom - r.top, designPixels(*spec.geometry.Height));
    }
}

TEST_F(Win32Form1, TheDpiPassScalesTheTwipsByTheDensity) {
    const double factor = form.core().density().twipsPerPixelX / 15;
    const Form1Layout& layout = form.core().layout();
    const TwipsGeometry& label7 = layout.geometry("Label7");
    EXPECT_DOUBLE_EQ(label7.Left, 180 * factor);
    EXPECT_DOUBLE_EQ(label7.Top, 2850 * factor);
    EXPECT_DOUBLE_EQ(*label7.Width, 825 * factor);
    EXPECT_DOUBLE_EQ(*label7.Height, 225 * factor);
    EXPECT_DOUBLE_EQ(*layout.geometry("lblFormat").FontSize, 9 * factor);
    EXPECT_DOUBLE_EQ(*layout.geometry("Label1").FontSize, 9.75 * factor);
    const TwipsGeometry& timer = layout.geometry("timerRun");
    EXPECT_FALSE(timer.Width);
    EXPECT_FALSE(timer.FontSize);
}

TEST_F(Win32Form1, FontsKeepTheirPixelHeightsAtEveryDensity) {
    for (const auto& [name, height] :
         {std::pair{"Label7", 12}, {"lblFormat", 12}, {"Label1", 13}}) {
        SCOPED_TRACE(name);
        HWND control = controls.byIndex[controlIndex(name)];
        LOGFONTA font{};
        ASSERT_TRUE(GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)),
                               sizeof font, &font));
        EXPECT_EQ(font.lfHeight, -height);
        EXPECT_EQ(font.lfWeight, std::string(name) == "Label1" ? FW_BOLD : FW_NORMAL);
        EXPECT_EQ(font.lfUnderline != 0, std::string(name) == "lblFormat");
    }
}

TEST_F(Win32Form1, TheOuterSizeIsThePicturesWidthAndTheMarginUnderLabel3) {
    const double factor = form.core().density().twipsPerPixelY / 15;
    EXPECT_DOUBLE_EQ(form.core().outerSize().width, 7140 * factor);
    EXPECT_DOUBLE_EQ(form.core().outerSize().height, 4090 * factor);
    RECT outer{};
    GetWindowRect(form.hwnd(), &outer);
    EXPECT_EQ(outer.right - outer.left, 476);
    EXPECT_EQ(outer.bottom - outer.top, 273);  // 272.7 pixels
}

}  // namespace
}  // namespace quorvel
