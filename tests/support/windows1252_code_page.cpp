#include "windows1252_code_page.h"

#include <array>

namespace quorvel::platform {
namespace {

// Decodes one UTF-8 sequence at s[i]; an invalid byte decodes as U+FFFD and advances by one.
char32_t decodeUtf8(std::string_view s, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char lead = byte(i);
    int length = lead < 0x80           ? 1
                 : (lead >> 5) == 0x6  ? 2
                 : (lead >> 4) == 0xE  ? 3
                 : (lead >> 3) == 0x1E ? 4
                                       : 0;
    if (length == 0 || i + length > s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    i += length;
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// Bytes 0x80..0x9F of Windows-1252; 0 marks the five bytes the code page leaves undefined.
// Every other byte is the Latin-1 character of the same number.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

class Windows1252CodePage : public CodePage {
public:
    std::string toAnsi(std::string_view utf8) const override {
        std::string out;
        for (std::size_t i = 0; i < utf8.size();) out += encode(decodeUtf8(utf8, i));
        return out;
    }
    std::string fromAnsi(std::string_view bytes) const override {
        std::string out;
        for (unsigned char b : bytes) {
            const char32_t code = (b >= 0x80 && b <= 0x9F) ? kHighControls[b - 0x80] : b;
            appendUtf8(out, code == 0 ? b : code);  // undefined bytes map to the C1 controls
        }
        return out;
    }

private:
    static char encode(char32_t code) {
        if (code < 0x80 || (code >= 0xA0 && code <= 0xFF)) return static_cast<char>(code);
        for (std::size_t k = 0; k < kHighControls.size(); ++k)
            if (kHighControls[k] != 0 && kHighControls[k] == code)
                return static_cast<char>(0x80 + k);
        return '?';
    }
};

}  // namespace

const CodePage& windows1252CodePage() {
    static const Windows1252CodePage page;
    return page;
}

}  // namespace quorvel::platform
