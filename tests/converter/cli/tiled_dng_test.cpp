#include "tiled_dng.h"

#include <gtest/gtest.h>

#include "conversion_fixture.h"
#include "converter_contract.h"

namespace quorvel::converter {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

constexpr const char* kOneTileDng = "synthetic_lossy_256x168.dng";

class TiledDng : public ConversionTest {
protected:
    void SetUp() override {
        if (!fs::exists(sample(kOneTileDng)))
            GTEST_SKIP() << "sample " << kOneTileDng << " is missing";
        tiled = tiledDngFromSample(readFile(sample(kOneTileDng)));
        ASSERT_FALSE(tiled.empty()) << "the sample's layout changed";
    }
    std::string tiled;
};

// The arrays at the end of the file, after the tile data: the whole raw is there, and it
// converts to four copies of the one tile's picture.
TEST_F(TiledDng, WithItsTileArraysAtTheEndConverts) {
    writeFile(inputs / "tiled.dng", tiled);
    const ConverterRun run = convert(inputs / "tiled.dng", "tiled.PNG");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    ASSERT_EQ(convert(sample(kOneTileDng), "tile.PNG").exitCode, 0);
    const auto fromTiles = inspectPicture(folder / "tiled.PNG");
    const auto fromTile = inspectPicture(folder / "tile.PNG");
    ASSERT_TRUE(fromTiles && fromTile);
    EXPECT_EQ(fromTiles->width, 2 * fromTile->width);
    EXPECT_EQ(fromTiles->height, 2 * fromTile->height);
    EXPECT_NEAR(fromTiles->mean, fromTile->mean, 0.01);
    EXPECT_NEAR(fromTiles->deviation, fromTile->deviation, 0.01);
}

// Tiles the arrays place past the end of the file are missing data, wherever the arrays lie.
TEST_F(TiledDng, WhoseLastTilesAreMissingIsRefusedAsCutShort) {
    // The tiles end where the new directory begins; claim a larger last tile than there is.
    const std::size_t countsAt = tiled.size() - 4;
    std::uint32_t last = 0;
    for (int i = 3; i >= 0; --i)
        last = (last << 8) | static_cast<std::uint8_t>(tiled[countsAt + i]);
    last += static_cast<std::uint32_t>(tiled.size());
    for (int i = 0; i < 4; ++i) tiled[countsAt + i] = static_cast<char>(last >> (8 * i));
    writeFile(inputs / "short.dng", tiled);
    const ConverterRun run = convert(inputs / "short.dng", "short.JPG");
    EXPECT_EQ(run.exitCode, static_cast<int>(ExitCode::InputError)) << run.errors;
    EXPECT_NE(run.errors.find("short.dng"), std::string::npos) << run.errors;
    EXPECT_NE(run.errors.find("truncated"), std::string::npos) << run.errors;
    expectFolderHolds({});
}

}  // namespace
}  // namespace quorvel::converter
