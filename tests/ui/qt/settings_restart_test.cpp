// The four options surviving a restart of the window through a real settings file, with
// what the restored resize switch does to the width box.
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

#include "caption_label.h"
#include "conversion_batch.h"
#include "form1.h"
#include "option_handlers.h"
#include "plain_event_pump.h"
#include "settings_file.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {

class SettingsRestartTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void optionsSurviveARestart();
    void valuesComeBack_data();
    void valuesComeBack();

private:
    std::string filePath() const {
        return m_dir->filePath(u"settingquorvel.ini"_s).toStdString();
    }
    std::unique_ptr<Form1> startWindow(SettingsFile& file);

    std::unique_ptr<QTemporaryDir> m_dir;
    test::FakeWorld m_world;
    platform::PlainEventPump m_pump;
};

void SettingsRestartTest::init() { m_dir = std::make_unique<QTemporaryDir>(); }

std::unique_ptr<Form1> SettingsRestartTest::startWindow(SettingsFile& file) {
    Form1Services services = m_world.services();
    services.settings = &file;
    return std::make_unique<Form1>(services);
}

void SettingsRestartTest::optionsSurviveARestart() {
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

void SettingsRestartTest::valuesComeBack_data() {
    QTest::addColumn<QString>("quality");
    QTest::addColumn<QString>("resizeSwitch");
    QTest::addColumn<QString>("qualityAfter");
    QTest::addColumn<bool>("widthEnabled");
    QTest::addRow("leading zeros") << u"085"_s << u"NO"_s << u"85"_s << false;
    QTest::addRow("empty quality") << QString() << u"NO"_s << QString() << false;
    QTest::addRow("comma in a value") << u"8,5"_s << u"YES"_s << u"8,5"_s << true;
    QTest::addRow("lower-case yes") << u"85"_s << u"yes"_s << u"85"_s << false;
}

void SettingsRestartTest::valuesComeBack() {
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

}  // namespace quorvel

QTEST_MAIN(quorvel::SettingsRestartTest)
#include "settings_restart_test.moc"
