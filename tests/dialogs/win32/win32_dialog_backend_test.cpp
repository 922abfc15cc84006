// CommonDlgsW over the Win32 backend, with stand-ins for the system calls that keep what each
// dialog received and answer as the system's dialog does, writing into the record's buffers.
#include "win32_dialog_backend.h"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <string>

#include "common_dialog_functions.h"
#include "common_dlgs_w.h"

namespace quorvel {
namespace {

using namespace std::string_literals;

// What the stand-in dialog saw, read the way the dialog reads it.
struct SeenFileDialog {
    OPENFILENAMEW record;
    std::wstring filter;  // up to and including the NUL that ends the list
    std::wstring file;    // the whole buffer, nMaxFile characters
    std::wstring fileTitle;
    std::wstring initialFolder;
    std::optional<std::wstring> caption;
    std::optional<std::wstring> defaultExtension;
};

struct Script {
    bool confirm = false;
    std::wstring file;   // written over the start of the file buffer, then a NUL
    std::wstring title;  // likewise
    DWORD flagsToSet = 0;
    std::optional<SeenFileDialog> seen;
    std::optional<CHOOSECOLORW> seenColor;
    COLORREF chosenColor = 0;
    bool openCalled = false;
    bool saveCalled = false;
};
Script script;

std::wstring listUpToDoubleNul(const wchar_t* list) {
    std::size_t length = 0;
    while (list[length] || list[length + 1]) ++length;
    return std::wstring(list, length + 2);
}

std::optional<std::wstring> textOrNone(const wchar_t* text) {
    if (!text) return std::nullopt;
    return std::wstring(text);
}

BOOL fakeFileDialog(LPOPENFILENAMEW ofn) {
    script.seen = SeenFileDialog{*ofn,
                                 listUpToDoubleNul(ofn->lpstrFilter),
                                 std::wstring(ofn->lpstrFile, ofn->nMaxFile),
                                 std::wstring(ofn->lpstrFileTitle, ofn->nMaxFileTitle),
                                 std::wstring(ofn->lpstrInitialDir, 256),
                                 textOrNone(ofn->lpstrTitle),
                                 textOrNone(ofn->lpstrDefExt)};
    if (!script.confirm) return FALSE;
    std::memcpy(ofn->lpstrFile, script.file.c_str(), (script.file.size() + 1) * sizeof(wchar_t));
    std::memcpy(ofn->lpstrFileTitle, script.title.c_str(),
                (script.title.size() + 1) * sizeof(wchar_t));
    ofn->Flags |= script.flagsToSet;
    ofn->nFilterIndex = 1;  // the user switched the type
    return TRUE;
}

BOOL WINAPI fakeOpen(LPOPENFILENAMEW ofn) {
    script.openCalled = true;
    return fakeFileDialog(ofn);
}

BOOL WINAPI fakeSave(LPOPENFILENAMEW ofn) {
    script.saveCalled = true;
    return fakeFileDialog(ofn);
}

BOOL WINAPI fakeChooseColor(LPCHOOSECOLORW cc) {
    script.seenColor = *cc;
    if (!script.confirm) return FALSE;
    cc->rgbResult = script.chosenColor;
    cc->lpCustColors[5] = 0x00ABCDEF;
    return TRUE;
}

DWORD WINAPI fakeSysColor(int index) { return 0x00010101u * static_cast<DWORD>(index); }

const win32::CommonDialogFunctions kFakes{fakeOpen, fakeSave, fakeChooseColor, fakeSysColor};

class Win32DialogsTest : public ::testing::Test {
protected:
    void SetUp() override { script = {}; }

    Win32DialogBackend backend{kFakes};
    CommonDlgsW dialogs{backend};
    HWND owner = reinterpret_cast<HWND>(0x1234);
};

TEST_F(Win32DialogsTest, TheRecordAsTheDialogReceivesIt) {
    dialogs.Filter = "Pictures|*.jpg;*.png|Raw|*.nef|Text (*.txt)|*.txt";
    dialogs.FilterIndex = 2;
    dialogs.FileName = "C:\\Фото\\start.nef";
    dialogs.InitDir = "C:\\Фото";
    dialogs.DialogTitle = "Pick one";
    dialogs.DefaultExt = "nef";
    dialogs.Flags = 0x1004;
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    ASSERT_TRUE(script.seen);
    const SeenFileDialog& seen = *script.seen;
    // The form up to the template name: 76 bytes with 32-bit pointers, more in a 64-bit
    // program.
    const DWORD expectedSize = sizeof(void*) == 4 ? 76 : OPENFILENAME_SIZE_VERSION_400W;
    EXPECT_EQ(seen.record.lStructSize, expectedSize);
    EXPECT_LT(seen.record.lStructSize, sizeof(OPENFILENAMEW));
    EXPECT_EQ(seen.record.hwndOwner, owner);
    EXPECT_EQ(seen.filter, L"Pictures\0*.jpg;*.png\0Raw\0*.nef\0Text (*.txt)\0*.txt\0\0"s);
    EXPECT_EQ(seen.record.lpstrCustomFilter, nullptr);
    EXPECT_EQ(seen.record.nFilterIndex, 2u);
    EXPECT_EQ(seen.file, L"C:\\Фото\\start.nef" + std::wstring(256 - 17, L'\0'));
    EXPECT_EQ(seen.record.nMaxFile, 256u);
    EXPECT_EQ(seen.fileTitle, std::wstring(256, L'\0'));
    EXPECT_EQ(seen.record.nMaxFileTitle, 256u);
    EXPECT_EQ(seen.initialFolder, L"C:\\Фото" + std::wstring(256 - 7, L'\0'));
    EXPECT_EQ(seen.caption, L"Pick one");
    EXPECT_EQ(seen.record.Flags, 0x1004u);
    EXPECT_EQ(seen.defaultExtension, L"nef");
    EXPECT_EQ(seen.record.lpTemplateName, nullptr);
    EXPECT_EQ(seen.record.hInstance, nullptr);
    EXPECT_EQ(seen.record.nMaxCustFilter, 0u);
    EXPECT_EQ(seen.record.lCustData, 0);
    EXPECT_EQ(seen.record.lpfnHook, nullptr);
    EXPECT_TRUE(script.openCalled);
    EXPECT_FALSE(script.saveCalled);
}

TEST_F(Win32DialogsTest, EmptyCaptionAndExtensionAreNull) {
    EXPECT_FALSE(dialogs.ShowSave(owner));
    ASSERT_TRUE(script.seen);
    EXPECT_TRUE(script.saveCalled);
    EXPECT_FALSE(script.seen->caption);
    EXPECT_FALSE(script.seen->defaultExtension);
    EXPECT_EQ(script.seen->filter, L"All files (*.*)\0*.*\0\0"s);
}

// Characters outside every ANSI code page, one of them outside the basic plane.
TEST_F(Win32DialogsTest, APathOutsideTheAnsiCodePageComesBackIntact) {
    script.confirm = true;
    script.file = L"C:\\Users\\jö\\Фото\\日本 \U0001F600.heic";
    script.title = L"日本 \U0001F600.heic";
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "C:\\Users\\jö\\Фото\\日本 😀.heic");
    EXPECT_EQ(dialogs.FileTitle, "日本 😀.heic");
    EXPECT_EQ(dialogs.Title, "日本 😀.heic");
    EXPECT_EQ(dialogs.FilterIndex, 1);
}

TEST_F(Win32DialogsTest, MultiSelectKeepsTheRawBufferAndReadsTheFlagsBack) {
    dialogs.Flags = 0x200;
    dialogs.Title = "kept";
    script.confirm = true;
    script.file = L"C:\\p\0a.nef\0b.nef\0"s;
    script.title = L"a.nef";
    script.flagsToSet = 0x400;
    EXPECT_TRUE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "C:\\p\0a.nef\0b.nef\0"s + std::string(256 - 17, '\0'));
    EXPECT_EQ(dialogs.FileTitle, "");
    EXPECT_EQ(dialogs.Title, "kept");
    EXPECT_EQ(dialogs.Flags, 0x600);
}

TEST_F(Win32DialogsTest, NoValidateCutsTheNameButLeavesTheTitles) {
    dialogs.Flags = 0x100;
    dialogs.Title = "kept";
    script.confirm = true;
    script.file = L"C:\\p\\a.nef";
    script.title = L"a.nef";
    EXPECT_TRUE(dialogs.ShowSave(owner));
    EXPECT_EQ(dialogs.FileName, "C:\\p\\a.nef");
    EXPECT_EQ(dialogs.FileTitle, "");
    EXPECT_EQ(dialogs.Title, "kept");
    EXPECT_EQ(dialogs.Flags, 0x100);
}

TEST_F(Win32DialogsTest, CancelChangesNothing) {
    dialogs.FileName = "C:\\start.nef";
    dialogs.FileTitle = "old";
    dialogs.Title = "old title";
    dialogs.Flags = 0x4;
    script.flagsToSet = 0x400;
    EXPECT_FALSE(dialogs.ShowOpen(owner));
    EXPECT_EQ(dialogs.FileName, "C:\\start.nef");
    EXPECT_EQ(dialogs.FileTitle, "old");
    EXPECT_EQ(dialogs.Title, "old title");
    EXPECT_EQ(dialogs.Flags, 0x4);
}

TEST_F(Win32DialogsTest, ColourDialog) {
    EXPECT_FALSE(dialogs.ShowColor(owner));
    ASSERT_TRUE(script.seenColor);
    const DWORD expectedSize = sizeof(void*) == 4 ? 36 : sizeof(CHOOSECOLORW);
    EXPECT_EQ(script.seenColor->lStructSize, expectedSize);
    EXPECT_EQ(script.seenColor->hwndOwner, owner);
    EXPECT_EQ(script.seenColor->Flags, 0x103u);
    EXPECT_EQ(script.seenColor->rgbResult, 0xC0C0C0u);
    EXPECT_EQ(script.seenColor->hInstance, nullptr);
    EXPECT_EQ(script.seenColor->lpfnHook, nullptr);
    EXPECT_EQ(script.seenColor->lpTemplateName, nullptr);
    EXPECT_EQ(dialogs.Color(), 0xC0C0C0u);

    script.confirm = true;
    script.chosenColor = 0x00336699;
    EXPECT_TRUE(dialogs.ShowColor(owner));
    EXPECT_EQ(dialogs.Color(), 0x00336699u);
    const COLORREF* customColors = script.seenColor->lpCustColors;
    EXPECT_TRUE(dialogs.ShowColor(owner));
    // The same custom colours, with what the last dialog left in them.
    EXPECT_EQ(script.seenColor->lpCustColors, customColors);
    EXPECT_EQ(script.seenColor->lpCustColors[5], 0x00ABCDEFu);
    EXPECT_EQ(script.seenColor->rgbResult, 0x00336699u);
}

TEST_F(Win32DialogsTest, SystemColourReference) {
    dialogs.Color(0x8000000F);
    EXPECT_EQ(dialogs.Color(), 0x000F0F0Fu);
}

TEST(Win32SystemColours, TheRealCallAnswers) {
    EXPECT_EQ(win32DialogBackend().systemColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
}  // namespace quorvel
