// The window's drop target: the shell's file list in its order, copy as the effect, and every
// drag notification told.
#include "drop_target.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_list_data.h"

namespace quorvel {
namespace {

struct Seen {
    int dragged = 0;
    std::vector<std::vector<std::string>> drops;
};

win32::DropTarget targetFor(Seen& seen) {
    return win32::DropTarget(
        [&seen] { ++seen.dragged; },
        [&seen](const std::vector<std::string>& paths) { seen.drops.push_back(paths); });
}

TEST(Win32DropTarget, DropHandsOverTheFileListInItsOrderAsUtf8) {
    Seen seen;
    win32::DropTarget target = targetFor(seen);
    test::FileListData data({L"C:\\photos\\b.NEF", L"C:\\photos\\a.heic",
                             L"C:\\\x0444\x043e\x0442\x043e\\\x5199\x771f.dng", L"C:\\photos"});
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
    EXPECT_EQ(target.Drop(&data, MK_LBUTTON, POINTL{10, 10}, &effect), S_OK);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    ASSERT_EQ(seen.drops.size(), 1u);
    EXPECT_EQ(seen.drops[0], (std::vector<std::string>{
                                 "C:\\photos\\b.NEF", "C:\\photos\\a.heic",
                                 "C:\\\u0444\u043e\u0442\u043e\\\u5199\u771f.dng", "C:\\photos"}));
}

TEST(Win32DropTarget, DropWithoutAFileListHandsOverNoPaths) {
    Seen seen;
    win32::DropTarget target = targetFor(seen);
    test::FileListData data({}, false);
    DWORD effect = DROPEFFECT_COPY;
    target.Drop(&data, 0, POINTL{}, &effect);
    ASSERT_EQ(seen.drops.size(), 1u);
    EXPECT_TRUE(seen.drops[0].empty());
}

TEST(Win32DropTarget, EveryDragNotificationIsToldAndCopyIsPreferred) {
    Seen seen;
    win32::DropTarget target = targetFor(seen);
    test::FileListData data({L"C:\\a.nef"});
    DWORD effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    target.DragEnter(&data, 0, POINTL{}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_COPY));
    effect = DROPEFFECT_MOVE;
    target.DragOver(0, POINTL{}, &effect);
    EXPECT_EQ(effect, static_cast<DWORD>(DROPEFFECT_MOVE)) << "left as offered";
    target.DragLeave();
    EXPECT_EQ(seen.dragged, 3);
    EXPECT_TRUE(seen.drops.empty());
}

}  // namespace
}  // namespace quorvel
