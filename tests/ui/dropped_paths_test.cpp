// A URI list to local paths: the percent-decoded bytes of each file URI, whatever they encode.
#include <QTest>

#include "dropped_paths.h"

namespace quorvel {

class DroppedPathsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uriLines_data();
    void uriLines();
};

void DroppedPathsTest::uriLines_data() {
    QTest::addColumn<QByteArray>("uri");
    QTest::addColumn<QByteArray>("path");
    QTest::addRow("plain") << QByteArray("file:///p/a.NEF") << QByteArray("/p/a.NEF");
    QTest::addRow("raw Latin-1 byte") << QByteArray("file:///p/caf\xe9.hdr")
                                      << QByteArray("/p/caf\xe9.hdr");
    QTest::addRow("encoded Latin-1 byte") << QByteArray("file:///p/caf%E9.hdr")
                                          << QByteArray("/p/caf\xe9.hdr");
    QTest::addRow("encoded UTF-8") << QByteArray("file:///p/%D0%A4%20x.dng")
                                   << QByteArray("/p/\xd0\xa4 x.dng");
    QTest::addRow("localhost") << QByteArray("file://localhost/p/a.NEF") << QByteArray("/p/a.NEF");
    QTest::addRow("carriage return") << QByteArray("file:///p/a.NEF\r") << QByteArray("/p/a.NEF");
    QTest::addRow("encoded hash kept") << QByteArray("file:///p/a%23b.NEF#frag")
                                       << QByteArray("/p/a#b.NEF");
    QTest::addRow("web address") << QByteArray("https://example.com/x.jpg") << QByteArray();
    QTest::addRow("no path") << QByteArray("file://") << QByteArray();
}

void DroppedPathsTest::uriLines() {
    QFETCH(QByteArray, uri);
    QFETCH(QByteArray, path);
    QCOMPARE(QByteArray::fromStdString(localPathOfUri(uri)), path);
}

}  // namespace quorvel

QTEST_MAIN(quorvel::DroppedPathsTest)
#include "dropped_paths_test.moc"
