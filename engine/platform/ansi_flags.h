#pragma once
// How to ask WideCharToMultiByte for the ANSI form in a given code page. Portable, so its
// choice is tested on every platform.
//
// Wherever the code page allows it, a character it lacks becomes "?" rather than a look-alike
// (WC_NO_BEST_FIT_CHARS with "?" as the default character): a look-alike could name another
// file. UTF-8 (65001, a Windows 10/11 system setting), UTF-7 and a few others forbid both the
// flag and a default character, and the call fails outright when given them; UTF-8 carries
// every character anyway.
namespace quorvel::platform {

struct AnsiFlags {
    unsigned long flags;      // dwFlags
    bool useDefaultCharacter;  // pass "?" as lpDefaultChar
};

inline constexpr unsigned long kNoBestFitChars = 0x400;  // WC_NO_BEST_FIT_CHARS

constexpr bool forbidsConversionFlags(unsigned codePage) {
    return codePage == 65001 || codePage == 65000 || codePage == 42 ||
           (codePage >= 50220 && codePage <= 50229 && codePage != 50223 && codePage != 50224 &&
            codePage != 50226 && codePage != 50228) ||
           (codePage >= 57002 && codePage <= 57011);
}

constexpr AnsiFlags ansiFlagsFor(unsigned codePage) {
    if (forbidsConversionFlags(codePage)) return {0, false};
    return {kNoBestFitChars, true};
}

}  // namespace quorvel::platform
