#pragma once
// The engine's paths are UTF-8 strings. std::filesystem reads and writes a narrow string in the
// platform's narrow encoding, which on Windows is the ANSI code page and loses characters, so
// tests cross between the two only through these.
#include <filesystem>
#include <string>

namespace quorvel::test {

inline std::filesystem::path fromUtf8(const std::string& path) {
    return std::filesystem::path(std::u8string(path.begin(), path.end()));
}

inline std::string utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace quorvel::test
