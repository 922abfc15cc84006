#pragma once
// The shared sample pictures (see SOURCES.md beside them). Tests that need them skip when the
// folder is not there, rather than fail on a machine without it.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace quorvel::converter::testing_support {

inline std::filesystem::path samplesFolder() { return QUORVEL_SAMPLES_DIR; }

inline std::filesystem::path sample(const std::string& name) { return samplesFolder() / name; }

#define REQUIRE_SAMPLE(name)                                                               \
    do {                                                                                   \
        if (!std::filesystem::exists(::quorvel::converter::testing_support::sample(name))) \
            GTEST_SKIP() << "sample " << (name) << " is not available";                    \
    } while (0)

}  // namespace quorvel::converter::testing_support
