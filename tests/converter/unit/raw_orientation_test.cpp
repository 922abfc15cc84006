#include "raw/raw_orientation.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace quorvel::converter {
namespace {

// A 3x2 source picture numbered row by row:   0 1 2
//                                             3 4 5
struct FlipCase {
    int flip;
    std::vector<std::vector<std::size_t>> upright;
};

class RawOrientationCases : public testing::TestWithParam<FlipCase> {};

TEST_P(RawOrientationCases, PlacesEverySourcePixel) {
    const RawOrientation orientation(3, 2, GetParam().flip);
    const auto& expected = GetParam().upright;
    ASSERT_EQ(orientation.uprightHeight(), static_cast<int>(expected.size()));
    ASSERT_EQ(orientation.uprightWidth(), static_cast<int>(expected[0].size()));
    for (int row = 0; row < orientation.uprightHeight(); ++row)
        for (int column = 0; column < orientation.uprightWidth(); ++column)
            EXPECT_EQ(orientation.sourceIndex(row, column), expected[row][column])
                << "row " << row << " column " << column;
}

INSTANTIATE_TEST_SUITE_P(LibRawFlipCodes, RawOrientationCases,
                         testing::Values(FlipCase{0, {{0, 1, 2}, {3, 4, 5}}},
                                         FlipCase{1, {{2, 1, 0}, {5, 4, 3}}},    // mirrored
                                         FlipCase{2, {{3, 4, 5}, {0, 1, 2}}},    // upside down
                                         FlipCase{3, {{5, 4, 3}, {2, 1, 0}}},    // 180 degrees
                                         FlipCase{4, {{0, 3}, {1, 4}, {2, 5}}},  // transposed
                                         FlipCase{
                                             5, {{2, 5}, {1, 4}, {0, 3}}},  // 90 counter-clockwise
                                         FlipCase{6, {{3, 0}, {4, 1}, {5, 2}}},    // 90 clockwise
                                         FlipCase{7, {{5, 2}, {4, 1}, {3, 0}}}));  // transverse

// The transfer copies bands of source rows; the upright run a band names must hold exactly the
// pixels of that band, for every orientation and band split.
TEST(RawOrientation, BandsCoverTheirOwnSourceRowsExactly) {
    constexpr int kWidth = 7, kHeight = 10, kBand = 3;
    for (int flip = 0; flip < 8; ++flip) {
        const RawOrientation orientation(kWidth, kHeight, flip);
        std::set<std::size_t> seen;
        for (int first = 0; first < kHeight; first += kBand) {
            const int count = std::min(kBand, kHeight - first);
            const int start = orientation.uprightStart(first, count);
            for (int along = 0; along < count; ++along) {
                const int across = orientation.transposed() ? orientation.uprightHeight()
                                                            : orientation.uprightWidth();
                for (int i = 0; i < across; ++i) {
                    const std::size_t index = orientation.transposed()
                                                  ? orientation.sourceIndex(i, start + along)
                                                  : orientation.sourceIndex(start + along, i);
                    EXPECT_GE(static_cast<int>(index / kWidth), first) << "flip " << flip;
                    EXPECT_LT(static_cast<int>(index / kWidth), first + count) << "flip " << flip;
                    seen.insert(index);
                }
            }
        }
        EXPECT_EQ(seen.size(), static_cast<std::size_t>(kWidth * kHeight)) << "flip " << flip;
    }
}

}  // namespace
}  // namespace quorvel::converter
