#include "command/output_target.h"

#include <gtest/gtest.h>

namespace quorvel::converter {
namespace {

struct TargetCase {
    const char* argument;
    const char* prefix;
    const char* path;
    const char* format;
    bool isFile;
    bool writable;  // ImageMagick can write the format (or none is named)
};

void PrintTo(const TargetCase& c, std::ostream* os) { *os << c.argument; }

class OutputTargets : public testing::TestWithParam<TargetCase> {};

TEST_P(OutputTargets, SplitsFormatAndPath) {
    const TargetCase& c = GetParam();
    const OutputTarget target = parseOutputArgument(c.argument);
    EXPECT_EQ(target.prefix, c.prefix);
    EXPECT_EQ(target.path, c.path);
    EXPECT_EQ(target.format, c.format);
    EXPECT_EQ(target.isFile, c.isFile);
    EXPECT_EQ(formatProblem(target).empty(), c.writable) << formatProblem(target);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, OutputTargets,
    testing::Values(TargetCase{"/out/beach.JPG", "", "/out/beach.JPG", "JPG", true, true},
                    TargetCase{"/out/beach.jpg", "", "/out/beach.jpg", "JPG", true, true},
                    TargetCase{"/out/beach.TIF", "", "/out/beach.TIF", "TIF", true, true},
                    TargetCase{"/out/beach.PNG", "", "/out/beach.PNG", "PNG", true, true},
                    TargetCase{"/out/beach.GIF", "", "/out/beach.GIF", "GIF", true, true},
                    TargetCase{"/out/beach.BMP", "", "/out/beach.BMP", "BMP", true, true},
                    TargetCase{"png:/out/beach.dat", "png:", "/out/beach.dat", "PNG", true, true},
                    TargetCase{"/out/my.photos/beach", "", "/out/my.photos/beach", "", true, true},
                    TargetCase{"/out/beach.xyz", "", "/out/beach.xyz", "XYZ", true, false},
                    TargetCase{"/out/beach.NEF", "", "/out/beach.NEF", "NEF", true, false},
                    TargetCase{"/out/beach.", "", "/out/beach.", "", true, true},
                    TargetCase{"-", "", "-", "", false, true},
                    TargetCase{"jpg:-", "jpg:", "-", "JPG", false, true},
                    TargetCase{"null:", "null:", "", "NULL", false, true},
                    TargetCase{"/out/a:b.jpg", "", "/out/a:b.jpg", "JPG", true, true}));

}  // namespace
}  // namespace quorvel::converter
