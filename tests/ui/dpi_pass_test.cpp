// The start-up DPI pass and window sizing as functions of the display's twips per pixel.
#include "dpi_pass.h"

#include <gtest/gtest.h>

#include <string>

#include "control_table.h"

namespace quorvel {
namespace {

constexpr double kTolerance = 1e-9;

TEST(DpiPass, DesignDensityChangesNothing) {
    for (const ControlSpec& spec : kControls) {
        SCOPED_TRACE(std::string(spec.name));
        const TwipsGeometry scaled = scaledForDensity(spec.geometry, ScreenDensity{15, 15});
        EXPECT_EQ(scaled.Left, spec.geometry.Left);
        EXPECT_EQ(scaled.Top, spec.geometry.Top);
        EXPECT_EQ(scaled.Width, spec.geometry.Width);
        EXPECT_EQ(scaled.Height, spec.geometry.Height);
        EXPECT_EQ(scaled.FontSize, spec.geometry.FontSize);
    }
}

TEST(DpiPass, Label7At120Dpi) {
    const TwipsGeometry g = scaledForDensity(controlSpec("Label7").geometry, {12, 12});
    EXPECT_EQ(g.Left, 144.0);
    EXPECT_EQ(g.Top, 2280.0);
    EXPECT_EQ(g.Width, 660.0);
    EXPECT_EQ(g.Height, 180.0);
}

struct FontCase {
    const char* name;
    const char* control;
    double twipsPerPixel;
    double points;
};

class FontsKeepTheirPixelHeight : public testing::TestWithParam<FontCase> {};

TEST_P(FontsKeepTheirPixelHeight, OnlyTheHorizontalDensityScalesTheFont) {
    const FontCase& c = GetParam();
    const auto g = scaledForDensity(controlSpec(c.control).geometry, {c.twipsPerPixel, 15});
    ASSERT_TRUE(g.FontSize);
    EXPECT_NEAR(*g.FontSize, c.points, kTolerance);
}

INSTANTIATE_TEST_SUITE_P(DpiPass, FontsKeepTheirPixelHeight,
                         testing::Values(FontCase{"lblFormatAt120Dpi", "lblFormat", 12, 7.2},
                                         FontCase{"Label1At120Dpi", "Label1", 12, 7.8},
                                         FontCase{"Label1At144Dpi", "Label1", 10, 6.5},
                                         FontCase{"Text1At144Dpi", "Text1", 10, 6.0}),
                         [](const auto& info) { return std::string(info.param.name); });

class EveryControlKeepsItsPixelGeometry : public testing::TestWithParam<double> {};

TEST_P(EveryControlKeepsItsPixelGeometry, AtThisDensity) {
    const double twipsPerPixel = GetParam();
    for (const ControlSpec& spec : kControls) {
        SCOPED_TRACE(std::string(spec.name));
        const auto& design = spec.geometry;
        const auto g = scaledForDensity(design, {twipsPerPixel, twipsPerPixel});
        EXPECT_NEAR(g.Left / twipsPerPixel, design.Left / 15, kTolerance);
        EXPECT_NEAR(g.Top / twipsPerPixel, design.Top / 15, kTolerance);
        EXPECT_EQ(g.Width.has_value(), design.Width.has_value());
        if (g.Width) {
            EXPECT_NEAR(*g.Width / twipsPerPixel, *design.Width / 15, kTolerance);
        }
        if (g.Height) {
            EXPECT_NEAR(*g.Height / twipsPerPixel, *design.Height / 15, kTolerance);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(DpiPass, EveryControlKeepsItsPixelGeometry,
                         testing::Values(12.0, 10.0, 20.0), [](const auto& info) {
                             return "At" + std::to_string(static_cast<int>(1440 / info.param)) +
                                    "Dpi";
                         });

TEST(DpiPass, TimerScalesOnlyLeftAndTop) {
    const TwipsGeometry timer{300, 600, {}, {}, {}};
    const TwipsGeometry g = scaledForDensity(timer, {12, 10});
    EXPECT_EQ(g.Left, 240.0);
    EXPECT_EQ(g.Top, 400.0);
    EXPECT_TRUE(!g.Width && !g.Height && !g.FontSize);
}

struct WindowCase {
    const char* name;
    double twipsPerPixel;
    double outerWidth;
    double outerHeight;
};

class WindowSize : public testing::TestWithParam<WindowCase> {};

TEST_P(WindowSize, FollowsPicBack2AndLabel3) {
    const WindowCase& c = GetParam();
    const ScreenDensity density{c.twipsPerPixel, c.twipsPerPixel};
    const auto picBack2 = scaledForDensity(controlSpec("picBack2").geometry, density);
    const auto label3 = scaledForDensity(controlSpec("Label3").geometry, density);
    const TwipsSize outer = windowOuterSize(*picBack2.Width, label3.Top, density);
    EXPECT_NEAR(outer.width, c.outerWidth, kTolerance);
    EXPECT_NEAR(outer.height, c.outerHeight, kTolerance);
    // The client area is the design's 475 x 244 pixels at every density.
    const TwipsSize client = windowClientSize(outer, density);
    EXPECT_EQ(pixelsOf(client.width, c.twipsPerPixel), 475);
    EXPECT_EQ(pixelsOf(client.height, c.twipsPerPixel), 244);
}

INSTANTIATE_TEST_SUITE_P(DpiPass, WindowSize,
                         testing::Values(WindowCase{"At96Dpi", 15, 7140, 4090},
                                         WindowCase{"At120Dpi", 12, 5712, 3272},
                                         WindowCase{"At144Dpi", 10, 4760, 2726.6666666666665}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quorvel
