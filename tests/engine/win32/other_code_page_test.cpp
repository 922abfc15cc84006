#include <windows.h>

#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace quorvel::platform {
namespace {

// Run by its own CTest entry with a Russian locale (ANSI code page 1251); skipped elsewhere.
TEST(OtherAnsiCodePage, Windows1251KeepsCyrillicAndLosesWhatItLacks) {
    if (GetACP() != 1251) GTEST_SKIP() << "ANSI code page " << GetACP();
    EXPECT_EQ(systemCodePage().roundTrip("Фото été 写真.heic"), "Фото ?t? ??.heic");
    EXPECT_EQ(systemCodePage().toAnsi("Ф"), "\xD4");
}

}  // namespace
}  // namespace quorvel::platform
