#pragma once
// The narrow ("ANSI") code page that 8-bit platform calls and the converter's command line use.
// Text inside the engine is UTF-8; it crosses into the code page only at those boundaries.
#include <string>
#include <string_view>

namespace quorvel::platform {

class CodePage {
public:
    virtual ~CodePage() = default;
    // UTF-8 to code-page bytes; a character the code page lacks becomes "?".
    virtual std::string toAnsi(std::string_view utf8) const = 0;
    // Code-page bytes to UTF-8.
    virtual std::string fromAnsi(std::string_view bytes) const = 0;
    // The "ANSI pass": what survives a trip through the code page.
    std::string roundTrip(std::string_view utf8) const { return fromAnsi(toAnsi(utf8)); }
};

// The code page of this platform: the identity on Linux, whose command line carries UTF-8.
const CodePage& systemCodePage();

// Passes every byte unchanged: the code page of a platform whose command line carries UTF-8.
const CodePage& identityCodePage();

}  // namespace quorvel::platform
