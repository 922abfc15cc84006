// The Win32 Form1's messages reach the shared window logic: a click opens the open dialog, the
// pointer lights the drop area, the option labels click, a drop lists its files and arms the
// timer, and the close saves the options and ends the window.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "control_table.h"
#include "conversion_batch.h"
#include "file_list_data.h"
#include "form1_fixture.h"
#include "run_timer.h"
#include "settings_file.h"

namespace quorvel {
namespace {

using test::shellScript;

std::string windowText(HWND control) {
    char text[512] = {};
    GetWindowTextA(control, text, sizeof text);
    return text;
}

std::vector<std::string> listed(HWND list) {
    std::vector<std::string> entries;
    const auto count = SendMessageA(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        char text[512] = {};
        SendMessageA(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(text);
    }
    return entries;
}

class Win32Form1Events : public testing::Test {
protected:
    // The client pixel of a point given in twips, at the window's density.
    LPARAM at(double xTwips, double yTwips) const {
        const ScreenDensity d = fixture.form->core().density();
        return MAKELPARAM(static_cast<int>(xTwips / d.twipsPerPixelX),
                          static_cast<int>(yTwips / d.twipsPerPixelY));
    }
    HWND control(std::string_view name) const {
        return fixture.form->controls().byIndex[controlIndex(name)];
    }
    void clickLabel(std::string_view name, WORD notification = STN_CLICKED) {
        HWND label = control(name);
        SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(label), notification),
                     reinterpret_cast<LPARAM>(label));
    }

    test::Form1Fixture fixture;
    HWND hwnd = fixture.form->hwnd();
};

TEST_F(Win32Form1Events, AClickOnTheDropAreaOpensTheOpenDialogOwnedByTheWindow) {
    SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at(3000, 750));
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at(3000, 750));
    ASSERT_TRUE(fixture.pumpUntil([&] { return !fixture.dialogs.requests.empty(); }));
    const FileDialogRecord& request = fixture.dialogs.requests.front();
    EXPECT_EQ(request.owner, hwnd);
    EXPECT_TRUE(request.filter.starts_with(u"All Files(*.*)"));
    EXPECT_TRUE(listed(control("lstFile")).empty()) << "the dialog was cancelled";
}

TEST_F(Win32Form1Events, AReleaseWithoutItsPressIsNoClick) {
    SendMessageA(hwnd, WM_LBUTTONUP, 0, at(3000, 750));
    fixture.pumpUntil([] { return false; }, 5);
    EXPECT_TRUE(fixture.dialogs.requests.empty());
}

TEST_F(Win32Form1Events, ThePointerLightsTheDropAreaInsideItsRectangleOnly) {
    const DropAreaPictures& pictures = fixture.form->core().pictures();
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, at(3000, 750));
    EXPECT_TRUE(pictures.showsHighlighted());
    SendMessageA(hwnd, WM_MOUSEMOVE, 0, at(5700, 750));
    EXPECT_TRUE(pictures.showsNormal()) << "the border counts as outside";
}

TEST_F(Win32Form1Events, TheFormatLabelStepsOnEveryClickQuickOnesIncluded) {
    const std::vector<std::string> expected = {"PNG", "GIF", "TIF", "BMP", "JPG"};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        clickLabel("lblFormat", i % 2 ? STN_DBLCLK : STN_CLICKED);
        EXPECT_EQ(windowText(control("lblFormat")), expected[i]);
    }
}

TEST_F(Win32Form1Events, TheResizeSwitchEnablesTheWidthBox) {
    EXPECT_FALSE(IsWindowEnabled(control("txtResize")));
    clickLabel("Label5");
    EXPECT_EQ(windowText(control("Label5")), "YES");
    EXPECT_TRUE(IsWindowEnabled(control("txtResize")));
    EXPECT_EQ(windowText(control("txtResize")), "1600");
}

TEST_F(Win32Form1Events, ThePathLabelChoosesTheOutputFolder) {
    EXPECT_EQ(windowText(control("lblPath")), "Output Path (C:\\Output)");
    shellScript().chosenFolder = "D:\\Converted";
    clickLabel("lblPath");
    ASSERT_TRUE(shellScript().request);
    EXPECT_EQ(shellScript().request->hwndOwner, hwnd);
    EXPECT_EQ(shellScript().requestTitle, "Please select a folder:");
    EXPECT_EQ(windowText(control("lblPath")), "D:\\Converted");
    EXPECT_EQ(windowText(control("Command1")), "D:\\Converted");
    EXPECT_EQ(fixture.form->core().batch().OutputFolder(), "D:\\Converted");
}

TEST_F(Win32Form1Events, TheMakersLinkOpensItsPage) {
    clickLabel("Label3");
    ASSERT_EQ(shellScript().opened.size(), 1u);
    EXPECT_EQ(shellScript().opened[0].verb, "open");
    EXPECT_EQ(shellScript().opened[0].file, std::string(kMakerPageAddress));
}

TEST_F(Win32Form1Events, ADragHidesThePromptAndADropListsItsFilesAndArmsTheTimer) {
    IDropTarget& target = fixture.form->dropTarget();
    test::FileListData data({L"C:\\photos\\b.NEF", L"C:\\photos\\a.heic"});
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(&data, MK_LBUTTON, POINTL{}, &effect);
    EXPECT_FALSE(GetWindowLongPtrA(control("Label1"), GWL_STYLE) & WS_VISIBLE);
    target.Drop(&data, 0, POINTL{}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(listed(control("lstFile")),
              (std::vector<std::string>{"C:\\photos\\b.NEF", "C:\\photos\\a.heic"}));
    EXPECT_TRUE(fixture.form->timerRun().enabled());
}

TEST_F(Win32Form1Events, ClosingSavesTheOptionsAndEndsTheWindow) {
    clickLabel("lblFormat");
    SendMessageA(hwnd, WM_CLOSE, 0, 0);
    ASSERT_TRUE(fixture.settings.kept);
    EXPECT_EQ(*fixture.settings.kept, (OptionValues{"PNG", "85", "NO", "1600"}));
    EXPECT_FALSE(IsWindowVisible(hwnd));
    ASSERT_TRUE(fixture.pumpUntil([&] { return !IsWindow(hwnd); }));
    EXPECT_TRUE(fixture.form->ended());
}

TEST(Win32Form1Start, RestoredOptionsAreShownAndYesEnablesTheWidthBox) {
    test::Form1Fixture fixture(OptionValues{"TIF", "90", "YES", "1024"});
    const win32::Win32Controls& controls = fixture.form->controls();
    EXPECT_EQ(windowText(QUORVEL_CONTROL(controls, lblFormat)), "TIF");
    EXPECT_EQ(windowText(QUORVEL_CONTROL(controls, Text1)), "90");
    EXPECT_EQ(windowText(QUORVEL_CONTROL(controls, Label5)), "YES");
    EXPECT_EQ(windowText(QUORVEL_CONTROL(controls, txtResize)), "1024");
    EXPECT_TRUE(IsWindowEnabled(QUORVEL_CONTROL(controls, txtResize)));
}

TEST(Win32Form1Start, TheSettingsFileLivesInTheApplicationDataFolder) {
    const char* appData = std::getenv("APPDATA");
    ASSERT_TRUE(appData);
    EXPECT_EQ(settingsFilePath(), std::string(appData) + "\\settingquorvel.ini");
}

}  // namespace
}  // namespace quorvel
