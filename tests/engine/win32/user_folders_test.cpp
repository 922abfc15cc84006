#include "platform/user_folders.h"

#include <gtest/gtest.h>

namespace quorvel::platform {
namespace {

TEST(DefaultFolders, AreTheFixedFoldersOnTheSystemDrive) {
    EXPECT_EQ(defaultOutputFolder(), "C:\\output");
    EXPECT_EQ(defaultStagingFolder(), "c:\\tmp");
}

}  // namespace
}  // namespace quorvel::platform
