#include <gtest/gtest.h>

#include <map>

#include "conversion_fixture.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

// The photo under the hostile name holds one picture, its neighbours another: the output's
// size tells which one was converted.
constexpr const char* kPhoto = "imagers_image1_128x85.hdr";           // 128x85
constexpr const char* kNeighbour = "polyhaven_venice_sunset_1k.hdr";  // 1024x512

struct HostileName {
    const char* input;
    const char* output;
    std::vector<std::string> neighbours;  // inputs the name would match as a pattern
    std::vector<std::string> unrelated;   // existing outputs an escape or a pattern would hit
    const char* outputFolder = "";        // a subfolder of the output folder, if any
};

void PrintTo(const HostileName& c, std::ostream* os) { *os << c.input << " -> " << c.output; }

std::map<std::string, std::string> contentsOf(const fs::path& folder) {
    std::map<std::string, std::string> contents;
    for (const auto& entry : fs::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            contents[fs::relative(entry.path(), folder).string()] = readFile(entry.path());
    return contents;
}

class HostileNames : public ConversionTest, public testing::WithParamInterface<HostileName> {};

// Every name is a file of exactly that name: the photo itself is converted into exactly the
// named output, and nothing else in either folder changes.
TEST_P(HostileNames, AreReadAndWrittenAsPlainFileNames) {
    REQUIRE_SAMPLE(kPhoto);
    REQUIRE_SAMPLE(kNeighbour);
    const HostileName& c = GetParam();
    copyOf(kPhoto, c.input);
    for (const std::string& name : c.neighbours) copyOf(kNeighbour, name);
    const fs::path outputFolder = folder / c.outputFolder;
    fs::create_directories(outputFolder);
    for (const std::string& name : c.unrelated) writeFile(outputFolder / name, "keep " + name);
    const auto inputsBefore = contentsOf(inputs.path());
    auto outputsBefore = contentsOf(folder.path());

    const ConverterRun run = runConverter(
        {"-quality", "85%", (inputs / c.input).string(), (outputFolder / c.output).string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_EQ(run.errors, "");

    const auto facts = inspectPicture(outputFolder / c.output);
    ASSERT_TRUE(facts) << "no picture at the named output";
    EXPECT_EQ(facts->width, 128u);
    EXPECT_EQ(facts->height, 85u);
    EXPECT_EQ(contentsOf(inputs.path()), inputsBefore);
    auto outputsAfter = contentsOf(folder.path());
    outputsAfter.erase(fs::relative(outputFolder / c.output, folder.path()).string());
    EXPECT_EQ(outputsAfter, outputsBefore);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(outputFolder)) ++entries;
    EXPECT_EQ(entries, c.unrelated.size() + 1) << "something else was written";
}

INSTANTIATE_TEST_SUITE_P(
    Table, HostileNames,
    testing::Values(
        HostileName{"IMG_[12].hdr",
                    "IMG_[12].JPG",
                    {"IMG_1.hdr", "IMG_2.hdr"},
                    {"IMG_[12]-0.JPG", "IMG_[12]-1.JPG", "IMG_1.JPG"}},
        HostileName{"a?.hdr", "a?.JPG", {"ab.hdr", "a1.hdr"}, {"ab.JPG", "a?-0.JPG"}},
        HostileName{"b*.hdr", "b*.PNG", {"b.hdr", "bb.hdr"}, {"b.PNG", "bb.PNG"}},
        HostileName{"c{1,2}.hdr", "c{1,2}.JPG", {"c1.hdr", "c2.hdr"}, {"c1.JPG", "c2.JPG"}},
        HostileName{"img%d.hdr", "img%d.JPG", {}, {"img0.JPG", "img1.JPG"}},
        HostileName{"100%done.hdr", "100%done.JPG", {}, {"1000one.JPG"}},
        HostileName{"50%off.hdr", "50%off.TIF", {}, {"500ff.TIF"}},
        HostileName{"real.jpg[0]", "real.PNG", {"real.jpg"}, {}},
        HostileName{"@list.hdr", "@list.JPG", {"list.hdr"}, {"list.JPG"}},
        HostileName{
            "plain.hdr", "plain%d[0].BMP", {}, {"plain0.BMP", "plain0[0].BMP"}, "100%[1]*"}),
    [](const testing::TestParamInfo<HostileName>& info) {
        return "Case" + std::to_string(info.index);
    });

// The full convert syntax stays where a name is no file: "[N]" still selects a frame.
TEST_F(ConversionTest, AFrameSuffixOnANameThatIsNoFileStillSelectsTheFrame) {
    REQUIRE_SAMPLE(kPhoto);
    const fs::path photo = copyOf(kPhoto, "photo.hdr");
    const ConverterRun run = runConverter({photo.string() + "[0]", (folder / "out.JPG").string()});
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const auto facts = inspectPicture(folder / "out.JPG");
    ASSERT_TRUE(facts);
    EXPECT_EQ(facts->width, 128u);
    expectFolderHolds({"out.JPG"});
}

}  // namespace
}  // namespace quorvel::converter
