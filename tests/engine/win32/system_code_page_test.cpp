#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace quorvel::platform {
namespace {

// A fresh wine prefix, like an English Windows, has Windows-1252 as its ANSI code page.
TEST(SystemCodePage, IsTheAnsiCodePageAndNeverSubstitutesLookAlikes) {
    EXPECT_EQ(systemCodePage().roundTrip("Фото 写真 été.heic"), "???? ?? été.heic");
    // Without WC_NO_BEST_FIT_CHARS these would come back as plain letters, naming another file.
    EXPECT_EQ(systemCodePage().roundTrip("ĀăĈ"), "???");
    EXPECT_EQ(systemCodePage().toAnsi("€"), "\x80");
}

}  // namespace
}  // namespace quorvel::platform
