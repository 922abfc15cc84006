#pragma once
// ASCII-only case folding: the one case rule the engine applies to executable and file names.
// Windows file systems ignore case, so two paths that differ only in it name one file there;
// characters beyond ASCII are compared as they are.
#include <string>
#include <string_view>

namespace quorvel::platform {

inline char asciiLower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

inline std::string asciiLowercase(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) c = asciiLower(c);
    return lower;
}

inline bool equalIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (asciiLower(a[i]) != asciiLower(b[i])) return false;
    return true;
}

}  // namespace quorvel::platform
