#include "command/picture_defaults.h"

#include <gtest/gtest.h>

namespace quorvel::converter {
namespace {

struct DefaultsCase {
    const char* name;
    std::vector<const char*> command;  // argv without argv[0]
    const char* format;
    std::vector<std::string> expected;
};

void PrintTo(const DefaultsCase& c, std::ostream* os) { *os << c.name; }

class PictureDefaults : public testing::TestWithParam<DefaultsCase> {};

TEST_P(PictureDefaults, AddsWhatTheCommandLeavesOpen) {
    std::vector<const char*> argv = {"convert.exe"};
    argv.insert(argv.end(), GetParam().command.begin(), GetParam().command.end());
    CommandArgs args = scanCommand(static_cast<int>(argv.size()), argv.data());
    addPictureDefaults(args, GetParam().format);
    std::vector<std::string> expected = {"convert.exe"};
    expected.insert(expected.end(), GetParam().expected.begin(), GetParam().expected.end());
    EXPECT_EQ(args.argv, expected);
    // The indices follow the arguments.
    ASSERT_TRUE(args.output);
    EXPECT_EQ(args.argv[*args.output], std::string(GetParam().command.back()));
    ASSERT_FALSE(args.inputs.empty());
    EXPECT_EQ(args.argv[args.inputs[0]], "in.jpg");
}

INSTANTIATE_TEST_SUITE_P(
    Commands, PictureDefaults,
    testing::Values(
        DefaultsCase{"Jpeg",
                     {"-quality", "85%", "in.jpg", "-resize", "600", "out.JPG"},
                     "JPG",
                     {"-quality", "85%", "in.jpg", "-auto-orient", "-resize", "600", "-background",
                      "white", "-alpha", "remove", "-alpha", "off", "out.JPG"}},
        DefaultsCase{"Png", {"in.jpg", "out.PNG"}, "PNG",
                     {"in.jpg", "-auto-orient", "-depth", "8", "out.PNG"}},
        DefaultsCase{"Tif", {"in.jpg", "out.TIF"}, "TIF",
                     {"in.jpg", "-auto-orient", "-depth", "8", "-compress", "Zip", "out.TIF"}},
        DefaultsCase{"AskedDepthAndCompression",
                     {"in.jpg", "-depth", "16", "-compress", "LZW", "out.TIF"},
                     "TIF",
                     {"in.jpg", "-auto-orient", "-depth", "16", "-compress", "LZW", "out.TIF"}},
        DefaultsCase{"AskedBackground",
                     {"in.jpg", "-background", "black", "-flatten", "out.BMP"},
                     "BMP",
                     {"in.jpg", "-auto-orient", "-background", "black", "-flatten", "out.BMP"}},
        DefaultsCase{"Gif", {"in.jpg", "other.jpg", "out.GIF"}, "GIF",
                     {"in.jpg", "-auto-orient", "other.jpg", "-auto-orient", "out.GIF"}},
        DefaultsCase{"DeepPngAsked", {"in.jpg", "PNG48:out.png"}, "PNG48",
                     {"in.jpg", "-auto-orient", "PNG48:out.png"}}),
    [](const testing::TestParamInfo<DefaultsCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel::converter
