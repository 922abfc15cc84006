#include <gtest/gtest.h>

#include "platform/code_page.h"

namespace quorvel::platform {
namespace {

TEST(SystemCodePage, CarriesEveryCharacterOnLinux) {
    const std::string name = "Фото 写真 été 😀.heic";
    EXPECT_EQ(systemCodePage().roundTrip(name), name);
}

}  // namespace
}  // namespace quorvel::platform
