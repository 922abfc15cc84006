// The folder chooser's request, the shell's "open" and the critical message box, as the
// system receives them.
#include "shell_calls.h"

#include <gtest/gtest.h>

#include "recording_shell.h"

namespace quorvel {
namespace {

using test::shellScript;

class ShellCalls : public testing::Test {
protected:
    void SetUp() override { shellScript() = {}; }
    const win32::ShellFunctions& shell = test::recordingShellFunctions();
    win32::Win32FolderChooser chooser{shell};
    HWND owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));
    std::optional<std::string> choose() {
        return chooser.chooseFolder(owner, "Please select a folder:");
    }
};

TEST_F(ShellCalls, ChooserAsksForFileSystemFoldersFromTheDesktopWithTheTitle) {
    shellScript().chosenFolder = "D:\\Photos\\out";
    choose();
    ASSERT_TRUE(shellScript().request);
    const BROWSEINFOA& request = *shellScript().request;
    EXPECT_EQ(request.hwndOwner, owner);
    EXPECT_EQ(request.pidlRoot, nullptr);
    EXPECT_EQ(request.pszDisplayName, nullptr);
    EXPECT_EQ(shellScript().requestTitle, "Please select a folder:");
    EXPECT_EQ(request.ulFlags, static_cast<UINT>(BIF_RETURNONLYFSDIRS));
    EXPECT_EQ(request.lpfn, nullptr);
    EXPECT_EQ(request.lParam, 0);
    EXPECT_EQ(request.iImage, 0);
    EXPECT_EQ(shellScript().bufferHandedIn, std::string(512, ' '));
}

TEST_F(ShellCalls, ConfirmedFolderComesBackWithoutTheBufferAndItsListIsFreed) {
    for (const std::string folder : {"D:\\Photos\\out", "E:\\"}) {
        shellScript() = {};
        shellScript().chosenFolder = folder;
        EXPECT_EQ(choose(), folder);
        EXPECT_EQ(shellScript().freed.size(), 1u);
    }
}

TEST_F(ShellCalls, CancelGivesNoFolderAndFreesNothing) {
    EXPECT_EQ(choose(), std::nullopt);
    EXPECT_TRUE(shellScript().pathAskedWithNullList);
    EXPECT_TRUE(shellScript().freed.empty());
}

TEST_F(ShellCalls, FoldersAndAddressesOpenWithTheOpenVerbShownNormallyWithoutOwner) {
    win32::Win32ShellOpener opener(shell);
    opener.openFolder("C:\\output");
    opener.openAddress("https://example.com/quorvel");
    ASSERT_EQ(shellScript().opened.size(), 2u);
    EXPECT_EQ(shellScript().opened[0].file, "C:\\output");
    EXPECT_EQ(shellScript().opened[1].file, "https://example.com/quorvel");
    for (const test::ShellCall& call : shellScript().opened) {
        EXPECT_EQ(call.verb, "open");
        EXPECT_FALSE(call.hadOwner);
        EXPECT_FALSE(call.hadParameters);
        EXPECT_FALSE(call.hadFolder);
        EXPECT_EQ(call.show, SW_SHOWNORMAL);
    }
}

TEST_F(ShellCalls, MessagesAreCriticalBoxesCaptionedWithTheProgramsName) {
    win32::MessageBoxMessages messages(shell, owner);
    messages.showCritical("The converter could not be started.");
    ASSERT_EQ(shellScript().boxes.size(), 1u);
    const test::BoxCall& box = shellScript().boxes[0];
    EXPECT_EQ(box.owner, owner);
    EXPECT_EQ(box.text, "The converter could not be started.");
    EXPECT_EQ(box.caption, "Quorvel");
    EXPECT_EQ(box.type, static_cast<UINT>(MB_OK | MB_ICONSTOP));
}

}  // namespace
}  // namespace quorvel
