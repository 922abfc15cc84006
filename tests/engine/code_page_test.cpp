#include "platform/code_page.h"

#include "platform/ansi_flags.h"
#include "windows1252_code_page.h"

#include <gtest/gtest.h>

namespace quorvel::platform {
namespace {

TEST(Windows1252CodePage, KeepsWhatItCanRepresentAndReplacesTheRestWithQuestionMarks) {
    const CodePage& cp = windows1252CodePage();
    const struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"beach.NEF", "beach.NEF"},
        {"Été à Noël ÿ", "Été à Noël ÿ"},                            // Latin-1 range
        {"€ – — ‘’ “” … Œ œ Š ž Ÿ ™", "€ – — ‘’ “” … Œ œ Š ž Ÿ ™"},  // 0x80..0x9F
        {"Фото", "????"},  // one "?" per character, not per byte
        {"写真 1", "?? 1"},
        {"a😀b", "a?b"},
        {"\xff\xfe", "??"},  // invalid UTF-8
    };
    for (const auto& c : cases) EXPECT_EQ(cp.roundTrip(c.in), c.out) << c.in;
}

TEST(Windows1252CodePage, EncodesToSingleBytes) {
    EXPECT_EQ(windows1252CodePage().toAnsi("é€Ф"), "\xE9\x80?");
    EXPECT_EQ(windows1252CodePage().fromAnsi("\xE9\x80"), "é€");
}

TEST(AnsiFlags, CodePagesThatForbidFlagsGetNoneAndNoDefaultCharacter) {
    struct Case {
        unsigned codePage;
        AnsiFlags expected;
    };
    const Case cases[] = {
        {1252, {kNoBestFitChars, true}}, {1251, {kNoBestFitChars, true}},
        {932, {kNoBestFitChars, true}},  {65001, {0, false}},  // UTF-8, the Windows 10/11 option
        {65000, {0, false}},             {42, {0, false}},
        {50220, {0, false}},             {57004, {0, false}},
        {50000, {kNoBestFitChars, true}},
    };
    for (const Case& c : cases) {
        const AnsiFlags got = ansiFlagsFor(c.codePage);
        EXPECT_EQ(got.flags, c.expected.flags) << c.codePage;
        EXPECT_EQ(got.useDefaultCharacter, c.expected.useDefaultCharacter) << c.codePage;
    }
}

}  // namespace
}  // namespace quorvel::platform
