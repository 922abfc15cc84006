// The pictures, pointer and icon as the window loads them: their binding geometry.
#include <QTest>

#include "control_looks.h"

namespace quorvel {

class AssetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dropAreaPicturesDifferOnlyInTheGlowRectangle();
    void engravedRule();
    void handPointer();
    void applicationIcon();
};

void AssetsTest::dropAreaPicturesDifferOnlyInTheGlowRectangle() {
    const QImage normal = normalDropAreaPicture().toImage();
    const QImage highlighted = highlightedDropAreaPicture().toImage();
    QCOMPARE(normal.size(), QSize(476, 245));
    QCOMPARE(highlighted.size(), QSize(476, 245));
    const QRect glow(QPoint(176, 13), QPoint(299, 126));
    int differing = 0;
    for (int y = 0; y < normal.height(); ++y)
        for (int x = 0; x < normal.width(); ++x) {
            if (normal.pixel(x, y) == highlighted.pixel(x, y)) continue;
            QVERIFY2(glow.contains(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            ++differing;
        }
    QVERIFY(differing > 500);
}

void AssetsTest::engravedRule() {
    const QImage normal = normalDropAreaPicture().toImage();
    for (int x : {0, 100, 475}) {
        const int above = qGray(normal.pixel(x, 171)), dark = qGray(normal.pixel(x, 172));
        const int light = qGray(normal.pixel(x, 173)), below = qGray(normal.pixel(x, 174));
        QVERIFY(dark < above && dark < light);
        QVERIFY(light > below && light > above);
    }
}

void AssetsTest::handPointer() {
    const QCursor pointer = quorvel::handPointer();
    QCOMPARE(pointer.hotSpot(), QPoint(6, 0));
    const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32));
    QCOMPARE(qAlpha(image.pixel(6, 0)), 255);  // the fingertip
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb p = image.pixel(x, y);
            const bool monochrome = qAlpha(p) == 0 || p == qRgb(0, 0, 0) ||
                                    p == qRgb(255, 255, 255);
            QVERIFY(monochrome);
        }
}

void AssetsTest::applicationIcon() {
    const QIcon icon = quorvel::applicationIcon();
    for (int size : {16, 24, 32, 48, 64, 128, 256, 512}) {
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));
        QCOMPARE(icon.pixmap(size).size(), QSize(size, size));
    }
}

}  // namespace quorvel

QTEST_MAIN(quorvel::AssetsTest)
#include "assets_test.moc"
