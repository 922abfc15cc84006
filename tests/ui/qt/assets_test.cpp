// The pictures, pointer and icon as the window loads them: their binding geometry.
#include <QTest>

#include "control_looks.h"

namespace quorvel {

class AssetsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dropAreaPicturesDifferOnlyInTheGlowRectangle();
    void engravedRule();
    void picturesForDenserScreens_data();
    void picturesForDenserScreens();
    void handPointer_data();
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

void AssetsTest::picturesForDenserScreens_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("drawnAt");
    QTest::addRow("125 percent") << 1.25 << 2;
    QTest::addRow("150 percent") << 1.5 << 2;
    QTest::addRow("200 percent") << 2.0 << 2;
    QTest::addRow("300 percent") << 3.0 << 3;
}

void AssetsTest::picturesForDenserScreens() {
    QFETCH(qreal, ratio);
    QFETCH(int, drawnAt);
    const QPixmap normal = normalDropAreaPicture(ratio);
    const QPixmap highlighted = highlightedDropAreaPicture(ratio);
    for (const QPixmap& picture : {normal, highlighted}) {
        QCOMPARE(picture.devicePixelRatio(), qreal(drawnAt));
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(476, 245));  // the 96-DPI layout
        QCOMPARE(picture.size(), QSize(476, 245) * drawnAt);
    }
    // Drawn again at that density, not the 1x picture made bigger.
    const QImage one = normalDropAreaPicture().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage dense = normal.toImage().convertToFormat(QImage::Format_RGB32);
    for (const auto mode : {Qt::FastTransformation, Qt::SmoothTransformation}) {
        const QImage upscaled = one.scaled(dense.size(), Qt::IgnoreAspectRatio, mode);
        int differing = 0;
        for (int y = 0; y < dense.height(); ++y)
            for (int x = 0; x < dense.width(); ++x)
                differing += qAbs(qGray(upscaled.pixel(x, y)) - qGray(dense.pixel(x, y))) > 24;
        QVERIFY2(differing > 1000, qPrintable(QString::number(differing)));
    }
    // The emblem stays where the hover rectangle expects it: same mean brightness per box.
    const QRect emblem(QPoint(185, 19), QPoint(291, 118));
    const auto mean = [](const QImage& image, const QRect& box) {
        qint64 sum = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) sum += qGray(image.pixel(x, y));
        return double(sum) / (box.width() * box.height());
    };
    const QRect denseEmblem(emblem.topLeft() * drawnAt, emblem.size() * drawnAt);
    QVERIFY(qAbs(mean(one, emblem) - mean(dense, denseEmblem)) < 8);
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

void AssetsTest::handPointer_data() {
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<int>("drawnAt");
    QTest::addRow("100 percent") << 1.0 << 1;
    QTest::addRow("150 percent") << 1.5 << 2;
    QTest::addRow("200 percent") << 2.0 << 2;
    QTest::addRow("300 percent") << 3.0 << 3;
}

void AssetsTest::handPointer() {
    QFETCH(qreal, ratio);
    QFETCH(int, drawnAt);
    const QCursor pointer = quorvel::handPointer(ratio);
    // In the pixmap's own pixels, as the X server takes it.
    QCOMPARE(pointer.hotSpot(), QPoint(6, 0) * drawnAt);
    QCOMPARE(pointer.pixmap().devicePixelRatio(), qreal(drawnAt));
    const QImage image = pointer.pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), QSize(32, 32) * drawnAt);
    // The hot spot is the fingertip's topmost pixel, at every density.
    QCOMPARE(image.pixel(pointer.hotSpot()), qRgb(0, 0, 0));
    int white = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            QVERIFY2(qAlpha(p) == 0 || p == qRgb(0, 0, 0) || p == qRgb(255, 255, 255),
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            white += p == qRgb(255, 255, 255);
        }
    QVERIFY(white > 200 * drawnAt * drawnAt);  // a filled hand, not an outline alone
    if (drawnAt == 1) return;
    // Drawn again at that density: its outline stays thin where doubled pixels would be thick.
    const QImage one = quorvel::handPointer(1).pixmap().toImage().convertToFormat(
        QImage::Format_ARGB32);
    const QImage doubled = one.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    int differing = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) differing += doubled.pixel(x, y) != image.pixel(x, y);
    QVERIFY2(differing > 50 * drawnAt, qPrintable(QString::number(differing)));
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
