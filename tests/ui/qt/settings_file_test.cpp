// settingquorvel.ini: where it lives, how a value is read back, and the four options
// surviving a restart of the window through a real file.
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "caption_label.h"
#include "conversion_batch.h"
#include "form1.h"
#include "option_handlers.h"
#include "plain_event_pump.h"
#include "platform/event_pump.h"
#include "settings_fields.h"
#include "settings_file.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {

class SettingsFileTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void valueOfALine_data();
    void valueOfALine();
    void path_data();
    void path();
    void designValuesAreWrittenByteForByte();
    void optionsSurviveARestart();
    void valuesComeBack_data();
    void valuesComeBack();
    void shortOrMissingFilesKeepTheControls_data();
    void shortOrMissingFilesKeepTheControls();
    void missingFolder();
    void xdgFolderIsCreatedOnFirstSave();
    void rewriteLeavesNoTemporaryFile();

private:
    QString filePath() const { return m_dir->filePath(u"settingquorvel.ini"_s); }
    std::unique_ptr<Form1> startWindow(SettingsFile& file);
    QByteArray fileBytes() const;
    void writeFile(const QByteArray& bytes) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    test::FakeWorld m_world;
    platform::PlainEventPump m_pump;
};

void SettingsFileTest::init() { m_dir = std::make_unique<QTemporaryDir>(); }

std::unique_ptr<Form1> SettingsFileTest::startWindow(SettingsFile& file) {
    Form1Services services = m_world.services();
    services.settings = &file;
    return std::make_unique<Form1>(services);
}

QByteArray SettingsFileTest::fileBytes() const {
    QFile file(filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void SettingsFileTest::writeFile(const QByteArray& bytes) const {
    QFile file(filePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

void SettingsFileTest::valueOfALine_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("value");
    QTest::addRow("plain text") << u"JPG"_s << u"JPG"_s;
    QTest::addRow("leading spaces skipped") << u"   PNG"_s << u"PNG"_s;
    QTest::addRow("leading zeros") << u"085"_s << u"85"_s;
    QTest::addRow("plain number") << u"1600"_s << u"1600"_s;
    QTest::addRow("zero") << u"000"_s << u"0"_s;
    QTest::addRow("signed fraction") << u"+1.50"_s << u"1.5"_s;
    QTest::addRow("negative zero") << u"-0.0"_s << u"0"_s;
    QTest::addRow("fraction only") << u".5"_s << u"0.5"_s;
    QTest::addRow("long number keeps every digit")
        << u"0012345678901234567890123"_s << u"12345678901234567890123"_s;
    QTest::addRow("exponent is no plain number") << u"1e3"_s << u"1e3"_s;
    QTest::addRow("trailing space is kept") << u"85 "_s << u"85 "_s;
    QTest::addRow("comma stays in the value") << u"8,5"_s << u"8,5"_s;
    QTest::addRow("quoted") << u"\"a, b\""_s << u"a, b"_s;
    QTest::addRow("quoted, then more") << u" \"YES\" trailing"_s << u"YES"_s;
    QTest::addRow("quote never closed") << u"\"open"_s << u"open"_s;
    QTest::addRow("quoted number stays text") << u"\"085\""_s << u"085"_s;
    QTest::addRow("blank") << QString() << QString();
    QTest::addRow("non-ASCII") << u"Größe"_s << u"Größe"_s;
}

void SettingsFileTest::valueOfALine() {
    QFETCH(QString, line);
    QFETCH(QString, value);
    QCOMPARE(settingsValue(line), value);
}

void SettingsFileTest::path_data() {
    QTest::addColumn<QByteArray>("appData");
    QTest::addColumn<QByteArray>("xdgConfigHome");
    QTest::addColumn<QString>("expected");
    QTest::addRow("APPDATA") << QByteArray("/roaming") << QByteArray("/xdg")
                             << u"/roaming/settingquorvel.ini"_s;
    QTest::addRow("XDG_CONFIG_HOME") << QByteArray() << QByteArray("/xdg")
                                     << u"/xdg/settingquorvel.ini"_s;
    QTest::addRow("home") << QByteArray() << QByteArray()
                          << QDir::homePath() + u"/.config/settingquorvel.ini"_s;
}

void SettingsFileTest::path() {
    QFETCH(QByteArray, appData);
    QFETCH(QByteArray, xdgConfigHome);
    QFETCH(QString, expected);
    const QByteArray oldAppData = qgetenv("APPDATA"), oldXdg = qgetenv("XDG_CONFIG_HOME");
    qputenv("APPDATA", appData);
    qputenv("XDG_CONFIG_HOME", xdgConfigHome);
    const QString path = settingsFilePath();
    qputenv("APPDATA", oldAppData);
    qputenv("XDG_CONFIG_HOME", oldXdg);
    QCOMPARE(path, expected);
}

void SettingsFileTest::designValuesAreWrittenByteForByte() {
    SettingsFile file(filePath(), m_pump);
    startWindow(file)->close();
    QCOMPARE(fileBytes(), QByteArray("JPG\r\n85\r\nNO\r\n1600\r\n"));
}

void SettingsFileTest::optionsSurviveARestart() {
    SettingsFile file(filePath(), m_pump);
    {
        auto form = startWindow(file);
        form->options().lblFormat_Click();
        form->controls().Text1->setText(u"90"_s);
        form->options().Label5_Click();
        form->controls().txtResize->setText(u"1024"_s);
        form->options().lblPath_Click();  // a cancel: the default folder
        form->batch().OutputFolder("/somewhere/else");
        form->close();
    }
    auto form = startWindow(file);
    QCOMPARE(form->controls().lblFormat->caption(), u"PNG"_s);
    QCOMPARE(form->controls().Text1->text(), u"90"_s);
    QCOMPARE(form->controls().Label5->caption(), u"YES"_s);
    QCOMPARE(form->controls().txtResize->text(), u"1024"_s);
    QVERIFY(form->controls().txtResize->isEnabled());
    QCOMPARE(form->batch().OutputFolder(), defaultOutputFolder());
    QCOMPARE(form->controls().lblPath->caption(), u"Output Path (~/output)"_s);
}

void SettingsFileTest::valuesComeBack_data() {
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QString>("resizeSwitch");
    QTest::addColumn<QString>("qualityAfter");
    QTest::addColumn<bool>("widthEnabled");
    QTest::addRow("leading zeros") << u"085"_s << u"NO"_s << u"85"_s << false;
    QTest::addRow("empty quality") << QString() << u"NO"_s << QString() << false;
    QTest::addRow("comma in a value") << u"8,5"_s << u"YES"_s << u"8,5"_s << true;
    QTest::addRow("lower-case yes") << u"85"_s << u"yes"_s << u"85"_s << false;
}

void SettingsFileTest::valuesComeBack() {
    QFETCH(QString, quality);
    QFETCH(QString, resizeSwitch);
    QFETCH(QString, qualityAfter);
    QFETCH(bool, widthEnabled);
    SettingsFile file(filePath(), m_pump);
    {
        auto form = startWindow(file);
        form->controls().Text1->setText(quality);
        form->controls().Label5->setCaption(resizeSwitch);
        form->close();
    }
    auto form = startWindow(file);
    QCOMPARE(form->controls().lblFormat->caption(), u"JPG"_s);
    QCOMPARE(form->controls().Text1->text(), qualityAfter);
    QCOMPARE(form->controls().Label5->caption(), resizeSwitch);
    QCOMPARE(form->controls().txtResize->text(), u"1600"_s);
    QCOMPARE(form->controls().txtResize->isEnabled(), widthEnabled);
}

void SettingsFileTest::shortOrMissingFilesKeepTheControls_data() {
    QTest::addColumn<QByteArray>("content");  // "folder": a folder of the file's name
    QTest::addColumn<QStringList>("shown");
    const QStringList design{u"JPG"_s, u"85"_s, u"NO"_s, u"1600"_s};
    QTest::addRow("no file") << QByteArray() << design;
    QTest::addRow("empty file") << QByteArray("") << design;
    QTest::addRow("two lines") << QByteArray("PNG\r\n90\r\n")
                               << QStringList{u"PNG"_s, u"90"_s, u"NO"_s, u"1600"_s};
    QTest::addRow("three lines, the last unended")
        << QByteArray("GIF\n70\nYES") << QStringList{u"GIF"_s, u"70"_s, u"YES"_s, u"1600"_s};
    QTest::addRow("blank second line") << QByteArray("BMP\r\n\r\nNO\r\n640\r\n")
                                       << QStringList{u"BMP"_s, QString(), u"NO"_s, u"640"_s};
    QTest::addRow("a folder of that name") << QByteArray("folder") << design;
}

void SettingsFileTest::shortOrMissingFilesKeepTheControls() {
    QFETCH(QByteArray, content);
    QFETCH(QStringList, shown);
    if (content == "folder")
        QVERIFY(QDir(m_dir->path()).mkdir(u"settingquorvel.ini"_s));
    else if (!content.isNull())
        writeFile(content);
    SettingsFile file(filePath(), m_pump);
    auto form = startWindow(file);
    const Form1Controls& c = form->controls();
    QCOMPARE((QStringList{c.lblFormat->caption(), c.Text1->text(), c.Label5->caption(),
                          c.txtResize->text()}),
             shown);
}

void SettingsFileTest::missingFolder() {
    const QString inMissing = m_dir->filePath(u"missing/settingquorvel.ini"_s);
    SettingsFile file(inMissing, m_pump);
    auto form = startWindow(file);
    QCOMPARE(form->controls().lblFormat->caption(), u"JPG"_s);
    QVERIFY(form->close());
    QVERIFY(!QFileInfo::exists(m_dir->filePath(u"missing"_s)));
}

void SettingsFileTest::xdgFolderIsCreatedOnFirstSave() {
    const QString inMissing = m_dir->filePath(u"config/settingquorvel.ini"_s);
    SettingsFile file(inMissing, m_pump, true);
    startWindow(file)->close();
    QVERIFY(QFileInfo(inMissing).isFile());
}

void SettingsFileTest::rewriteLeavesNoTemporaryFile() {
    writeFile("PNG\r\n90\r\nYES\r\n1024\r\n");
    SettingsFile file(filePath(), m_pump);
    {
        auto form = startWindow(file);
        form->options().lblFormat_Click();
        form->close();
    }
    QCOMPARE(fileBytes(), QByteArray("GIF\r\n90\r\nYES\r\n1024\r\n"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
             QStringList{u"settingquorvel.ini"_s});
}

}  // namespace quorvel

QTEST_MAIN(quorvel::SettingsFileTest)
#include "settings_file_test.moc"
