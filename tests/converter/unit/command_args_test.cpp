#include "command/command_args.h"

#include <gtest/gtest.h>

namespace quorvel::converter {
namespace {

using Args = std::vector<const char*>;

struct ScanCase {
    const char* name;
    Args argv;
    std::vector<std::size_t> inputs;
    std::optional<std::size_t> output;
    std::optional<std::string> resize;
};

void PrintTo(const ScanCase& c, std::ostream* os) { *os << c.name; }

class ScanCommand : public testing::TestWithParam<ScanCase> {};

TEST_P(ScanCommand, FindsImagesAndTheSoleResize) {
    const ScanCase& c = GetParam();
    const CommandArgs args = scanCommand(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(args.inputs, c.inputs);
    EXPECT_EQ(args.output, c.output);
    EXPECT_EQ(args.soleResizeGeometry, c.resize);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ScanCommand,
    testing::Values(
        ScanCase{"program line",
                 {"convert.exe", "-quality", "85%", "/in/a.NEF", "-resize", "1600", "/o/a.JPG"},
                 {3},
                 6,
                 "1600"},
        ScanCase{"no resize", {"convert.exe", "-quality", "85%", "a.NEF", "a.JPG"}, {3}, 4, {}},
        ScanCase{"resize before the input",
                 {"convert.exe", "-resize", "50%", "a.NEF", "a.PNG"},
                 {3},
                 4,
                 "50%"},
        ScanCase{"thumbnail and neutral settings",
                 {"convert.exe", "a.NEF", "-strip", "-thumbnail", "800", "-quality", "90",
                  "-define", "jpeg:dct-method=float", "a.JPG"},
                 {1},
                 9,
                 "800"},
        ScanCase{"a crop depends on the input size",
                 {"convert.exe", "a.NEF", "-crop", "100x100+0+0", "-resize", "50", "a.JPG"},
                 {1},
                 6,
                 {}},
        ScanCase{"two resizes",
                 {"convert.exe", "a.NEF", "-resize", "900", "-resize", "50", "a.JPG"},
                 {1},
                 6,
                 {}},
        ScanCase{"two inputs",
                 {"convert.exe", "a.NEF", "b.NEF", "-resize", "50", "+append", "ab.JPG"},
                 {1, 2},
                 6,
                 {}},
        ScanCase{"two-value option",
                 {"convert.exe", "-set", "comment", "x", "a.NEF", "a.JPG"},
                 {4},
                 5,
                 {}},
        ScanCase{"parentheses",
                 {"convert.exe", "(", "a.NEF", "-resize", "50", ")", "a.JPG"},
                 {2},
                 6,
                 {}},
        ScanCase{"only a request", {"convert.exe", "-version"}, {}, {}, {}},
        ScanCase{"standard input", {"convert.exe", "-", "-resize", "50", "png:-"}, {1}, 4, "50"}));

}  // namespace
}  // namespace quorvel::converter
