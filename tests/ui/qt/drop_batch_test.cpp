// Whole batches through the fake converter named convert.exe in a temporary program folder:
// a drop of three files, a click, a failing file, a drop during a batch, and closing the window
// while a batch runs.
#include <sys/stat.h>

#include <QDir>
#include <fstream>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "caption_label.h"
#include "conversion_batch.h"
#include "form1.h"
#include "photo_intake.h"
#include "support/drops.h"
#include "support/fake_converter.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

constexpr int kBatchTimeout = 60000;  // other programs named convert.exe may hold a run up

QString q(const std::string& text) { return QString::fromStdString(text); }

// A drop's data as the X11 platform hands it over: the URI list's bytes as the file manager
// sent them. (QMimeData::setData would parse them into QUrls at once.)
class RawUriList : public QMimeData {
public:
    explicit RawUriList(QByteArray bytes) : m_bytes(std::move(bytes)) {}
    QStringList formats() const override { return {u"text/uri-list"_s}; }

protected:
    QVariant retrieveData(const QString& format, QMetaType) const override {
        return format == u"text/uri-list"_s ? QVariant(m_bytes) : QVariant();
    }

private:
    QByteArray m_bytes;
};

// Whether any process runs the program file at `path` (the stand-in converter of this test,
// not some other program's convert.exe).
bool programRuns(const QString& path) {
    const QString wanted = QFileInfo(path).canonicalFilePath();
    for (const QString& pid : QDir(u"/proc"_s).entryList(QDir::Dirs)) {
        if (!pid.front().isDigit()) continue;
        const QString exe = QFileInfo(u"/proc/"_s + pid + u"/exe"_s).symLinkTarget();
        QFile stat(u"/proc/"_s + pid + u"/stat"_s);
        const bool zombie = stat.open(QIODevice::ReadOnly) &&
                            stat.readAll().split(')').last().trimmed().startsWith('Z');
        if (exe == wanted && !zombie) return true;
    }
    return false;
}

}  // namespace

class DropBatchTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void dropOfThreeFilesConvertsThemInOrder();
    void clickConvertsThePickedPhoto();
    void failingFileIsNamedInOneSummary();
    void dropDuringABatchIsConvertedAfterIt();
    void closingDuringABatchEndsAfterTheRunningConversion();
    void closingWithAConverterThatNeverEndsEndsTheProgram();
    void aNameThatIsNotUtf8ConvertsFromItsRawBytes();

private:
    Form1& form() { return *m_form; }
    // Runs `action` inside the running batch, `delay` ms after Label1 first shows `caption`:
    // the test's own code resumes only once the batch has returned.
    void whenCaption(const QString& caption, int delay, std::function<void()> action);
    QStringList inputsOfRuns() const;

    std::unique_ptr<test::FakeConverterFolder> m_converter;
    std::unique_ptr<test::FakeWorld> m_world;
    std::unique_ptr<Form1> m_form;
    QStringList m_captions;
};

void DropBatchTest::init() {
    m_converter = std::make_unique<test::FakeConverterFolder>();
    QVERIFY(m_converter->valid());
    m_world = std::make_unique<test::FakeWorld>();
    Form1Services services = m_world->services(m_converter->programFolder());
    services.stagingFolder = m_converter->stagingFolder();
    m_form = std::make_unique<Form1>(services);
    m_form->batch().OutputFolder(m_converter->outputFolder());
    m_captions.clear();
    connect(m_form->controls().Label1, &CaptionLabel::captionChanged, this,
            [this](const QString& caption) { m_captions << caption; });
    m_form->show();
}

void DropBatchTest::cleanup() {
    m_form.reset();
    m_world.reset();
    m_converter.reset();
}

void DropBatchTest::whenCaption(const QString& caption, int delay, std::function<void()> action) {
    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = connect(form().controls().Label1, &CaptionLabel::captionChanged, this,
                          [this, connection, caption, delay, action](const QString& shown) {
                              if (shown != caption) return;
                              disconnect(*connection);
                              QTimer::singleShot(delay, this, action);
                          });
}

QStringList DropBatchTest::inputsOfRuns() const {
    QStringList inputs;
    for (const QStringList& run : m_converter->runs()) inputs << run.value(3);
    return inputs;
}

void DropBatchTest::dropOfThreeFilesConvertsThemInOrder() {
    const QStringList inputs{m_converter->makeInput(u"c.NEF"_s),
                             m_converter->makeInput(u"a b.heic"_s),
                             m_converter->makeInput(u"Фото.dng"_s)};
    QCOMPARE(test::dropFiles(form(), inputs), Qt::CopyAction);
    QCOMPARE(form().controls().lstFile->count(), 3);
    QVERIFY(form().controls().timerRun->isActive());
    QTRY_COMPARE_WITH_TIMEOUT(m_world->opener.folders.size(), 1u, kBatchTimeout);

    const QString output = q(m_converter->outputFolder());
    QCOMPARE(m_world->opener.folders.front(), m_converter->outputFolder());
    const QList<QStringList> runs = m_converter->runs();
    QCOMPARE(runs.size(), 3);
    const QStringList bases{u"c"_s, u"a b"_s, u"Фото"_s};
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(runs[i], (QStringList{q(m_converter->programFolder()) + u"/data/convert.exe"_s,
                                       u"-quality"_s, u"85%"_s, inputs[i],
                                       output + u'/' + bases[i] + u".JPG"_s}));
        QVERIFY(QFileInfo::exists(output + u'/' + bases[i] + u".JPG"_s));
    }
    QCOMPARE(m_captions, (QStringList{u"Converting...1/3"_s, u"Converting...2/3"_s,
                                      u"Converting...3/3"_s,
                                      u"Please drag and drop Photos Here"_s}));
    QVERIFY(form().controls().Label1->isVisible());
    QCOMPARE(form().controls().lstFile->count(), 0);
    QVERIFY(!form().controls().timerRun->isActive());
    QVERIFY(m_world->messages.texts.empty());
}

void DropBatchTest::clickConvertsThePickedPhoto() {
    const QString picked = m_converter->makeInput(u"beach.NEF"_s);
    form().controls().Label5->setCaption(u"YES"_s);
    form().controls().txtResize->setText(u"800"_s);
    form().controls().lblFormat->setCaption(u"PNG"_s);
    m_world->dialogs.pick({picked});
    form().intake().Form_Click();  // returns once the batch is done
    QCOMPARE(m_world->opener.folders.size(), 1u);
    const QList<QStringList> runs = m_converter->runs();
    QCOMPARE(runs.size(), 1);
    QCOMPARE(runs[0].mid(1), (QStringList{u"-quality"_s, u"85%"_s, picked, u"-resize"_s,
                                          u"800"_s,
                                          q(m_converter->outputFolder()) + u"/beach.PNG"_s}));
    QCOMPARE(m_captions, (QStringList{u"Converting...1/1"_s,
                                      u"Please drag and drop Photos Here"_s}));
    QCOMPARE(form().controls().lstFile->count(), 0);
}

void DropBatchTest::failingFileIsNamedInOneSummary() {
    m_converter->failOn(u"broken"_s);
    const QStringList inputs{m_converter->makeInput(u"good.NEF"_s),
                             m_converter->makeInput(u"broken.NEF"_s),
                             m_converter->makeInput(u"fine.NEF"_s)};
    test::dropFiles(form(), inputs);
    QTRY_COMPARE_WITH_TIMEOUT(m_world->opener.folders.size(), 1u, kBatchTimeout);
    QTRY_COMPARE(m_world->messages.texts.size(), 1u);
    const QString summary = q(m_world->messages.texts.front());
    QVERIFY2(summary.contains(inputs[1]), qPrintable(summary));
    QVERIFY2(summary.contains(u"unable to open image"_s), qPrintable(summary));
    QVERIFY2(!summary.contains(u"second line"_s), qPrintable(summary));
    QVERIFY2(!summary.contains(inputs[0]) && !summary.contains(inputs[2]), qPrintable(summary));
    QCOMPARE(m_converter->runs().size(), 3);
}

void DropBatchTest::dropDuringABatchIsConvertedAfterIt() {
    m_converter->sleepEachRun(300);
    const QStringList first{m_converter->makeInput(u"1.NEF"_s),
                            m_converter->makeInput(u"2.NEF"_s)};
    const QString late = m_converter->makeInput(u"3.NEF"_s);
    whenCaption(u"Converting...1/2"_s, 50, [&] { test::dropFiles(form(), {late}); });
    test::dropFiles(form(), first);
    QTRY_COMPARE_WITH_TIMEOUT(m_world->opener.folders.size(), 2u, kBatchTimeout);
    QCOMPARE(inputsOfRuns(), (QStringList{first[0], first[1], late}));
    // The running batch counts the live list; the late entry gets a batch of its own.
    QVERIFY(m_captions.contains(u"Converting...2/3"_s));
    QVERIFY(m_captions.contains(u"Converting...1/1"_s));
    QCOMPARE(m_captions.last(), u"Please drag and drop Photos Here"_s);
    QCOMPARE(form().controls().lstFile->count(), 0);
}

void DropBatchTest::closingDuringABatchEndsAfterTheRunningConversion() {
    m_converter->sleepEachRun(400);
    QSignalSpy unloaded(&form(), &Form1::unloaded);
    int unloadedAtClose = -1;
    whenCaption(u"Converting...1/3"_s, 100, [&] {  // the first run is under way
        form().close();
        unloadedAtClose = unloaded.count();
    });
    test::dropFiles(form(), {m_converter->makeInput(u"1.NEF"_s),
                             m_converter->makeInput(u"2.NEF"_s),
                             m_converter->makeInput(u"3.NEF"_s)});
    QTRY_COMPARE_WITH_TIMEOUT(unloaded.count(), 1, kBatchTimeout);
    QCOMPARE(unloadedAtClose, 0);
    QVERIFY(!form().isVisible());
    QCOMPARE(m_world->settings.saved.size(), 1u);
    QCOMPARE(m_converter->runs().size(), 1);
    QVERIFY(QFileInfo::exists(q(m_converter->outputFolder()) + u"/1.JPG"_s));
    QVERIFY(m_world->opener.folders.empty());
    QVERIFY(m_world->messages.texts.empty());
    // Nothing more starts once it has ended.
    QTest::qWait(200);
    QCOMPARE(m_converter->runs().size(), 1);
    QCOMPARE(unloaded.count(), 1);
}

void DropBatchTest::closingWithAConverterThatNeverEndsEndsTheProgram() {
    m_converter->sleepEachRun(600000);
    const QString converter = q(m_converter->programFolder()) + u"/data/convert.exe"_s;
    QSignalSpy unloaded(&form(), &Form1::unloaded);
    whenCaption(u"Converting...1/1"_s, 100, [&] { form().close(); });
    test::dropFiles(form(), {m_converter->makeInput(u"1.NEF"_s)});
    // The grace, then SIGTERM: well within the converter's ten minutes.
    QTRY_COMPARE_WITH_TIMEOUT(unloaded.count(), 1, kBatchTimeout);
    QVERIFY(!form().isVisible());
    QVERIFY(!programRuns(converter));
    QVERIFY(!QFileInfo::exists(q(m_converter->outputFolder()) + u"/1.JPG"_s));
    QVERIFY(m_world->messages.texts.empty());
}

void DropBatchTest::aNameThatIsNotUtf8ConvertsFromItsRawBytes() {
    // As a file manager on a Latin-1 file system sends it: the name's bytes as they are.
    const std::string folder = QFileInfo(m_converter->makeInput(u"x.NEF"_s)).path().toStdString();
    const std::string input = folder + "/caf\xe9.NEF";
    std::ofstream(input, std::ios::binary) << "raw";
    const RawUriList data(QByteArray::fromStdString("file://" + input + "\r\n"));
    QCOMPARE(test::dropData(form(), data), Qt::CopyAction);
    QTRY_COMPARE_WITH_TIMEOUT(m_world->opener.folders.size(), 1u, kBatchTimeout);
    QVERIFY(m_world->messages.texts.empty());
    QCOMPARE(m_converter->runs().size(), 1);
    struct stat converted {};
    QCOMPARE(stat((m_converter->outputFolder() + "/caf\xe9.JPG").c_str(), &converted), 0);
}

}  // namespace quorvel

QTEST_MAIN(quorvel::DropBatchTest)
#include "drop_batch_test.moc"
