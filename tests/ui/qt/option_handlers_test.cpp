// The clicks of the option strip: format cycle, resize switch, output folder chooser, maker
// link; and the text boxes that take any text.
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "caption_label.h"
#include "conversion_batch.h"
#include "form1.h"
#include "option_handlers.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

void click(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(2, 2)); }

QString defaultFolder() { return QString::fromStdString(defaultOutputFolder()); }

}  // namespace

class OptionHandlersTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void formatCycle();
    void unknownFormatNeverChanges_data();
    void unknownFormatNeverChanges();
    void resizeSwitch_data();
    void resizeSwitch();
    void chosenFolderGoesToOutputFolderAndBothCaptions_data();
    void chosenFolderGoesToOutputFolderAndBothCaptions();
    void cancelReturnsToTheDefaultFolder();
    void makerLinkOpensTheProductPage();
    void textBoxesTakeAnyText();
    void switchingResizeOffKeepsTheKeysOutOfTheQualityBox();

private:
    const Form1Controls& controls() { return m_form->controls(); }

    std::unique_ptr<test::FakeWorld> m_world;
    std::unique_ptr<Form1> m_form;
};

void OptionHandlersTest::init() {
    m_world = std::make_unique<test::FakeWorld>();
    m_form = std::make_unique<Form1>(m_world->services());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void OptionHandlersTest::cleanup() {
    m_form.reset();
    m_world.reset();
}

void OptionHandlersTest::formatCycle() {
    QStringList shown;
    for (int i = 0; i < 5; ++i) {
        click(controls().lblFormat);
        shown << controls().lblFormat->caption();
    }
    QCOMPARE(shown, (QStringList{u"PNG"_s, u"GIF"_s, u"TIF"_s, u"BMP"_s, u"JPG"_s}));
}

void OptionHandlersTest::unknownFormatNeverChanges_data() {
    QTest::addColumn<QString>("caption");
    QTest::addRow("lower case") << u"png"_s;
    QTest::addRow("another name") << u"JPEG"_s;
    QTest::addRow("empty") << QString();
}

void OptionHandlersTest::unknownFormatNeverChanges() {
    QFETCH(QString, caption);
    controls().lblFormat->setCaption(caption);
    for (int i = 0; i < 3; ++i) m_form->options().lblFormat_Click();
    QCOMPARE(controls().lblFormat->caption(), caption);
}

void OptionHandlersTest::resizeSwitch_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addColumn<bool>("widthEnabled");
    QTest::addRow("NO") << u"NO"_s << u"YES"_s << true;
    QTest::addRow("YES") << u"YES"_s << u"NO"_s << false;
    QTest::addRow("yes") << u"yes"_s << u"NO"_s << false;
    QTest::addRow("anything else") << u"maybe"_s << u"NO"_s << false;
}

void OptionHandlersTest::resizeSwitch() {
    QFETCH(QString, before);
    QFETCH(QString, after);
    QFETCH(bool, widthEnabled);
    controls().Label5->setCaption(before);
    controls().txtResize->setEnabled(!widthEnabled);
    controls().txtResize->setText(u"1234"_s);
    click(controls().Label5);
    QCOMPARE(controls().Label5->caption(), after);
    QCOMPARE(controls().txtResize->isEnabled(), widthEnabled);
    QCOMPARE(controls().txtResize->text(), u"1234"_s);
}

void OptionHandlersTest::chosenFolderGoesToOutputFolderAndBothCaptions_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<bool>("throughTheButton");
    QTest::addRow("through lblPath") << u"/data/photos out"_s << false;
    QTest::addRow("through Command1") << u"/home/jö/Фото"_s << true;
    QTest::addRow("the root folder as given") << u"/"_s << false;
}

void OptionHandlersTest::chosenFolderGoesToOutputFolderAndBothCaptions() {
    QFETCH(QString, folder);
    QFETCH(bool, throughTheButton);
    m_world->folders.answers.push_back(folder.toStdString());
    if (throughTheButton)
        controls().Command1->click();
    else
        click(controls().lblPath);
    QCOMPARE(m_world->folders.titles, std::vector<std::string>{"Please select a folder:"});
    QCOMPARE(m_world->folders.owners.front(), static_cast<WindowHandle>(m_form.get()));
    QCOMPARE(QString::fromStdString(m_form->batch().OutputFolder()), folder);
    QCOMPARE(controls().Command1->text(), folder);
    QCOMPARE(controls().lblPath->caption(), folder);
    QCOMPARE(controls().lblPath->width(), 268);
}

void OptionHandlersTest::cancelReturnsToTheDefaultFolder() {
    m_world->folders.answers = {"/chosen/before", std::nullopt};
    m_form->options().lblPath_Click();
    m_form->options().lblPath_Click();
    QCOMPARE(QString::fromStdString(m_form->batch().OutputFolder()), defaultFolder());
    QCOMPARE(controls().Command1->text(), defaultFolder());
    QCOMPARE(controls().lblPath->caption(), defaultFolder());
}

void OptionHandlersTest::makerLinkOpensTheProductPage() {
    QCOMPARE(controls().Label3->caption(), u"example.com"_s);
    click(controls().Label3);
    QCOMPARE(m_world->opener.addresses, std::vector<std::string>{"https://example.com/quorvel"});
}

void OptionHandlersTest::textBoxesTakeAnyText() {
    controls().Text1->clear();
    QTest::keyClicks(controls().Text1, u"9x,\" %"_s);
    QCOMPARE(controls().Text1->text(), u"9x,\" %"_s);
    click(controls().Label5);
    controls().txtResize->clear();
    QTest::keyClicks(controls().txtResize, u"-12.5e"_s);
    QCOMPARE(controls().txtResize->text(), u"-12.5e"_s);
}

void OptionHandlersTest::switchingResizeOffKeepsTheKeysOutOfTheQualityBox() {
    m_form->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_form.get()));
    controls().Label5->setCaption(u"YES"_s);
    controls().txtResize->setEnabled(true);
    controls().Text1->setText(u"85"_s);
    controls().txtResize->setText(u"1600"_s);
    controls().txtResize->setFocus(Qt::MouseFocusReason);
    QVERIFY(controls().txtResize->hasFocus());
    m_form->options().Label5_Click();
    QCOMPARE(controls().Label5->caption(), u"NO"_s);
    QVERIFY(!controls().Text1->hasFocus());
    QVERIFY(!controls().Text1->hasSelectedText());
    click(controls().txtResize);  // the grey box: nothing happens
    QVERIFY(!controls().txtResize->hasFocus());
    QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : m_form.get(),
                     u"50"_s);
    QCOMPARE(controls().Text1->text(), u"85"_s);
    QCOMPARE(controls().txtResize->text(), u"1600"_s);
}

}  // namespace quorvel

QTEST_MAIN(quorvel::OptionHandlersTest)
#include "option_handlers_test.moc"
