#include "platform/command_line.h"

#include <gtest/gtest.h>

namespace quorvel::platform {
namespace {

using Args = std::vector<std::string>;

struct SplitCase {
    const char* line;
    Args expected;
    friend void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.line; }
};

class SplitWindowsCommandLine : public testing::TestWithParam<SplitCase> {};

TEST_P(SplitWindowsCommandLine, GivesTheArgumentsTheWindowsRuntimeGives) {
    EXPECT_EQ(splitWindowsCommandLine(GetParam().line), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SplitWindowsCommandLine,
    testing::Values(
        SplitCase{"", {}}, SplitCase{"   \t ", {}}, SplitCase{"prog", {"prog"}},
        SplitCase{"prog a  b\tc", {"prog", "a", "b", "c"}},
        // The converter line as the batch composes it.
        SplitCase{
            R"(/opt/q/data/convert.exe -quality 85% "/in/my photo.NEF" -resize 1600 "/o/x.JPG")",
            {"/opt/q/data/convert.exe", "-quality", "85%", "/in/my photo.NEF", "-resize", "1600",
             "/o/x.JPG"}},
        // The program name: quotes toggle, backslashes stay.
        SplitCase{R"("/opt/my apps/convert.exe" -quality)",
                  {"/opt/my apps/convert.exe", "-quality"}},
        SplitCase{R"(C:\a\"b c"\d.exe x)", {R"(C:\a\b c\d.exe)", "x"}},
        // Backslashes: literal unless they precede a quote.
        SplitCase{R"(p a\b\\c)", {"p", R"(a\b\\c)"}},
        SplitCase{R"(p a\\"b c")", {"p", R"(a\b c)"}},  // 2n: n and a toggle
        SplitCase{R"(p a\"b)", {"p", R"(a"b)"}},        // 2n+1: n and a quote
        SplitCase{R"(p a\\\"b)", {"p", R"(a\"b)"}},
        SplitCase{R"(p "C:\out\\" next)", {"p", R"(C:\out\)", "next"}},
        // Empty quoted arguments survive; "" inside quotes is a literal quote.
        SplitCase{R"(p "" x "")", {"p", "", "x", ""}},
        SplitCase{R"(p "a""b" c)", {"p", R"(a"b)", "c"}},
        SplitCase{R"(p "unterminated arg)", {"p", "unterminated arg"}},
        SplitCase{R"(p ab"c d"ef)", {"p", "abc def"}},
        // Shell metacharacters are plain text: no shell ever sees them.
        SplitCase{"p $HOME `id` a;b a|b a&b >x <y *",
                  {"p", "$HOME", "`id`", "a;b", "a|b", "a&b", ">x", "<y", "*"}},
        SplitCase{"p \"$(rm -rf x)\"", {"p", "$(rm -rf x)"}},
        SplitCase{"p \"Фото 写真 été.heic\"", {"p", "Фото 写真 été.heic"}}));

TEST(QuoteWindowsArgument, RoundTripsThroughTheSplitter) {
    const Args tricky = {"plain",     "",           "with space", R"(a"b)",    R"(ends\)",
                         R"(ends\\)", R"(C:\out\)", R"(\"\\")",   "tab\there", "Фото 写真"};
    std::string line = "prog";
    for (const auto& arg : tricky) line += " " + quoteWindowsArgument(arg);
    Args expected = {"prog"};
    expected.insert(expected.end(), tricky.begin(), tricky.end());
    EXPECT_EQ(splitWindowsCommandLine(line), expected);
}

}  // namespace
}  // namespace quorvel::platform
