#include "raw/half_size_policy.h"

#include <gtest/gtest.h>

namespace quorvel::converter {
namespace {

struct PolicyCase {
    const char* geometry;
    bool halfSuffices;
};

void PrintTo(const PolicyCase& c, std::ostream* os) { *os << c.geometry; }

class HalfSizePolicy : public testing::TestWithParam<PolicyCase> {};

// A 24-megapixel raw: 6000x4000 at full size, 3000x2000 at half size.
TEST_P(HalfSizePolicy, DecidesBySameResultFromEitherSize) {
    EXPECT_EQ(halfSizeSuffices(GetParam().geometry, {6000, 4000}, {3000, 2000}),
              GetParam().halfSuffices);
}

INSTANTIATE_TEST_SUITE_P(
    Geometries, HalfSizePolicy,
    testing::Values(PolicyCase{"1600", true},       // the program's own -resize
                    PolicyCase{"1602", true},       // the largest share that cannot be seen
                    PolicyCase{"1603", false},      // past it: fringes would show
                    PolicyCase{"3000", false},      // exactly half: visibly noisier
                    PolicyCase{"1600x1600", true},  // fits inside a box
                    PolicyCase{"x1000", true},      // by height
                    PolicyCase{"x1100", false},     // by height, past the share
                    PolicyCase{"1600x900!", true},  // exact size, aspect ignored
                    PolicyCase{"1600>", true},      // only shrink
                    PolicyCase{"1600<", false},     // only enlarge: full stays 6000 wide
                    PolicyCase{"50%", false},       // relative to the decoded size
                    PolicyCase{"1000000@", true},   // an area: the same from either
                    PolicyCase{"", false}));

TEST(HalfSizePolicy, ResizedSizeFollowsImageMagick) {
    EXPECT_EQ(resizedSize("1600", {6000, 4000}), (PictureSize{1600, 1067}));
    EXPECT_EQ(resizedSize("1600", {4000, 6000}), (PictureSize{1600, 2400}));
    EXPECT_EQ(resizedSize("200x200", {6000, 4000}), (PictureSize{200, 133}));
}

}  // namespace
}  // namespace quorvel::converter
