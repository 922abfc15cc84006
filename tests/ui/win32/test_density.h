#pragma once
// The display density a test run was started at (test_main's --logpixels), if any.
#include <cstdlib>
#include <optional>

namespace quorvel::test {

inline constexpr const wchar_t* kExpectedDpiVariable = L"QUORVEL_TEST_LOGPIXELS";

inline std::optional<int> expectedDpi() {
    const char* value = std::getenv("QUORVEL_TEST_LOGPIXELS");
    if (!value || !*value) return std::nullopt;
    return std::atoi(value);
}

}  // namespace quorvel::test
