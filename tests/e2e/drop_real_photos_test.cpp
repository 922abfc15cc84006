// Real photos dropped on the window come out as JPGs that decode, through the bundled
// converter beside the program. The samples are found in ../shared/samples beside the source
// tree, or in the folder named by QUORVEL_SAMPLES.
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QFile>
#include <QImageReader>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "conversion_batch.h"
#include "form1.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

class RecordingOpener : public ShellOpener {
public:
    void openFolder(const std::string& folder) override { folders.push_back(folder); }
    void openAddress(const std::string&) override {}
    std::vector<std::string> folders;
};

class RecordingMessages : public platform::UserMessages {
public:
    void showCritical(const std::string& text) override { texts.push_back(text); }
    std::vector<std::string> texts;
};

QString samplesFolder() {
    const QString chosen = qEnvironmentVariable("QUORVEL_SAMPLES");
    return chosen.isEmpty() ? QStringLiteral(QUORVEL_SOURCE_ROOT "/../shared/samples") : chosen;
}

void drop(QWidget& window, const QStringList& paths) {
    QMimeData data;
    QList<QUrl> urls;
    for (const QString& path : paths) urls << QUrl::fromLocalFile(path);
    data.setUrls(urls);
    QDragEnterEvent enter(QPoint(200, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &enter);
    QDropEvent dropped(QPointF(200, 60), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(&window, &dropped);
}

}  // namespace

class DropRealPhotosTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dropOfRealPhotosGivesDecodableJpgs();
};

void DropRealPhotosTest::dropOfRealPhotosGivesDecodableJpgs() {
    const QString buildRoot = QStringLiteral(QUORVEL_BUILD_ROOT);
    if (!QFile::exists(buildRoot + u"/data/convert.exe"_s))
        QSKIP("the bundled converter data/convert.exe is not built");
    const QDir samples(samplesFolder());
    const QStringList names{u"spring_1440x960.heic"_s, u"canon_eos_kiss_x4_colorchart.dng"_s,
                            u"imagers_image1_128x85.hdr"_s};
    QStringList inputs;
    for (const QString& name : names) {
        if (!samples.exists(name)) QSKIP("the sample photos are not beside the source tree");
        inputs << samples.filePath(name);
    }
    QTemporaryDir output;
    RecordingOpener opener;
    RecordingMessages messages;
    Form1Services services = programServices();
    services.settings = nullptr;  // the user's own settings file stays out of it
    services.opener = &opener;
    services.messages = &messages;
    services.programFolder = buildRoot.toStdString();
    Form1 form(services);
    form.batch().OutputFolder(output.path().toStdString());
    form.show();

    drop(form, inputs);
    QTRY_COMPARE_WITH_TIMEOUT(opener.folders.size(), 1u, 300000);
    QVERIFY2(messages.texts.empty(), messages.texts.empty() ? "" : messages.texts[0].c_str());
    for (const QString& name : names) {
        const QString jpg = output.filePath(QFileInfo(name).completeBaseName() + u".JPG"_s);
        QImageReader reader(jpg);
        QCOMPARE(reader.format(), QByteArray("jpeg"));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(jpg + u": "_s + reader.errorString()));
        QVERIFY(image.width() > 0 && image.height() > 0);
    }
}

}  // namespace quorvel

QTEST_MAIN(quorvel::DropRealPhotosTest)
#include "drop_real_photos_test.moc"
