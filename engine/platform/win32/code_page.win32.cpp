#include "platform/code_page.h"

#include <windows.h>

#include "platform/ansi_flags.h"
#include "platform/win32/win32_text.h"

static_assert(quorvel::platform::kNoBestFitChars == WC_NO_BEST_FIT_CHARS);

namespace quorvel::platform {
namespace win32 {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), n);
    return wide;
}

std::string narrowUtf8(std::wstring_view wide) {
    if (wide.empty()) return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), nullptr, 0,
                                      nullptr, nullptr);
    std::string utf8(n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), n, nullptr,
                        nullptr);
    return utf8;
}

}  // namespace win32

namespace {

// The system's ANSI code page (CP_ACP), as the 8-bit entry points use it.
class AnsiCodePage : public CodePage {
public:
    std::string toAnsi(std::string_view utf8) const override {
        const std::wstring wide = win32::widen(utf8);
        if (wide.empty()) return {};
        // The active code page, read at every pass: the flags it allows differ (ansi_flags.h).
        const UINT codePage = GetACP();
        const AnsiFlags choice = ansiFlagsFor(codePage);
        const char* defaultChar = choice.useDefaultCharacter ? "?" : nullptr;
        const int n = WideCharToMultiByte(codePage, choice.flags, wide.data(), int(wide.size()),
                                          nullptr, 0, defaultChar, nullptr);
        if (n <= 0) return {};
        std::string bytes(n, '\0');
        WideCharToMultiByte(codePage, choice.flags, wide.data(), int(wide.size()), bytes.data(), n,
                            defaultChar, nullptr);
        return bytes;
    }
    std::string fromAnsi(std::string_view bytes) const override {
        if (bytes.empty()) return {};
        const int n = MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), nullptr, 0);
        if (n <= 0) return {};
        std::wstring wide(n, L'\0');
        MultiByteToWideChar(CP_ACP, 0, bytes.data(), int(bytes.size()), wide.data(), n);
        return win32::narrowUtf8(wide);
    }
};

}  // namespace

const CodePage& systemCodePage() {
    static const AnsiCodePage page;
    return page;
}

}  // namespace quorvel::platform
