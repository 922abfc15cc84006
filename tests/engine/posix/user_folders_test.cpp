#include "platform/user_folders.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace quorvel::platform {
namespace {

std::string environment(const char* name, const char* otherwise) {
    const char* value = std::getenv(name);
    return value && *value ? value : otherwise;
}

TEST(DefaultFolders, LieInTheHomeAndTemporaryFolders) {
    EXPECT_EQ(defaultOutputFolder(), environment("HOME", "") + "/output");
    EXPECT_EQ(defaultStagingFolder(), environment("TMPDIR", "/tmp") + "/quorvel");
}

}  // namespace
}  // namespace quorvel::platform
