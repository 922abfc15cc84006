// The start-up DPI pass and window sizing as functions of the display's twips per pixel.
#include <QTest>

#include "control_table.h"
#include "dpi_pass.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

bool near(double a, double b) { return qAbs(a - b) < 1e-9; }

}  // namespace

class DpiPassTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void designDensityChangesNothing();
    void label7At120Dpi();
    void fontsKeepTheirPixelHeight_data();
    void fontsKeepTheirPixelHeight();
    void everyControlKeepsItsPixelGeometry_data();
    void everyControlKeepsItsPixelGeometry();
    void timerScalesOnlyLeftAndTop();
    void windowSize_data();
    void windowSize();
};

void DpiPassTest::designDensityChangesNothing() {
    for (const ControlSpec& spec : kControls) {
        const TwipsGeometry scaled = scaledForDensity(spec.geometry, ScreenDensity{15, 15});
        QCOMPARE(scaled.Left, spec.geometry.Left);
        QCOMPARE(scaled.Top, spec.geometry.Top);
        QCOMPARE(scaled.Width, spec.geometry.Width);
        QCOMPARE(scaled.Height, spec.geometry.Height);
        QCOMPARE(scaled.FontSize, spec.geometry.FontSize);
    }
}

void DpiPassTest::label7At120Dpi() {
    const TwipsGeometry g = scaledForDensity(controlSpec("Label7").geometry, {12, 12});
    QCOMPARE(g.Left, 144.0);
    QCOMPARE(g.Top, 2280.0);
    QCOMPARE(g.Width, 660.0);
    QCOMPARE(g.Height, 180.0);
}

void DpiPassTest::fontsKeepTheirPixelHeight_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<double>("points");
    QTest::addRow("lblFormat at 120 DPI") << u"lblFormat"_s << 12.0 << 7.2;
    QTest::addRow("Label1 at 120 DPI") << u"Label1"_s << 12.0 << 7.8;
    QTest::addRow("Label1 at 144 DPI") << u"Label1"_s << 10.0 << 6.5;
    QTest::addRow("Text1 at 144 DPI") << u"Text1"_s << 10.0 << 6.0;
}

void DpiPassTest::fontsKeepTheirPixelHeight() {
    QFETCH(QString, control);
    QFETCH(double, twipsPerPixel);
    QFETCH(double, points);
    const auto& spec = controlSpec(control.toStdString());
    // Only the horizontal density scales the font.
    const auto g = scaledForDensity(spec.geometry, {twipsPerPixel, 15});
    QVERIFY(g.FontSize);
    QVERIFY(near(*g.FontSize, points));
}

void DpiPassTest::everyControlKeepsItsPixelGeometry_data() {
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addRow("120 DPI") << 12.0;
    QTest::addRow("144 DPI") << 10.0;
    QTest::addRow("72 DPI") << 20.0;
}

void DpiPassTest::everyControlKeepsItsPixelGeometry() {
    QFETCH(double, twipsPerPixel);
    for (const ControlSpec& spec : kControls) {
        const auto& design = spec.geometry;
        const auto g = scaledForDensity(design, {twipsPerPixel, twipsPerPixel});
        const std::string nameText(spec.name);
        const char* name = nameText.c_str();
        QVERIFY2(near(g.Left / twipsPerPixel, design.Left / 15), name);
        QVERIFY2(near(g.Top / twipsPerPixel, design.Top / 15), name);
        QCOMPARE(g.Width.has_value(), design.Width.has_value());
        if (g.Width) QVERIFY2(near(*g.Width / twipsPerPixel, *design.Width / 15), name);
        if (g.Height)
            QVERIFY2(near(*g.Height / twipsPerPixel, *design.Height / 15), name);
    }
}

void DpiPassTest::timerScalesOnlyLeftAndTop() {
    const TwipsGeometry timer{300, 600, {}, {}, {}};
    const TwipsGeometry g = scaledForDensity(timer, {12, 10});
    QCOMPARE(g.Left, 240.0);
    QCOMPARE(g.Top, 400.0);
    QVERIFY(!g.Width && !g.Height && !g.FontSize);
}

void DpiPassTest::windowSize_data() {
    QTest::addColumn<double>("twipsPerPixel");
    QTest::addColumn<double>("outerWidth");
    QTest::addColumn<double>("outerHeight");
    QTest::addRow("96 DPI") << 15.0 << 7140.0 << 4090.0;
    QTest::addRow("120 DPI") << 12.0 << 5712.0 << 3272.0;
    QTest::addRow("144 DPI") << 10.0 << 4760.0 << 2726.6666666666665;
}

void DpiPassTest::windowSize() {
    QFETCH(double, twipsPerPixel);
    QFETCH(double, outerWidth);
    QFETCH(double, outerHeight);
    const ScreenDensity density{twipsPerPixel, twipsPerPixel};
    const auto picBack2 = scaledForDensity(controlSpec("picBack2").geometry, density);
    const auto label3 = scaledForDensity(controlSpec("Label3").geometry, density);
    const TwipsSize outer = windowOuterSize(*picBack2.Width, label3.Top, density);
    QVERIFY(near(outer.width, outerWidth));
    QVERIFY(near(outer.height, outerHeight));
    // The client area is the design's 475 x 244 pixels at every density.
    const TwipsSize client = windowClientSize(outer, density);
    QCOMPARE(pixelsOf(client.width, twipsPerPixel), 475);
    QCOMPARE(pixelsOf(client.height, twipsPerPixel), 244);
}

}  // namespace quorvel

QTEST_APPLESS_MAIN(quorvel::DpiPassTest)
#include "dpi_pass_test.moc"
