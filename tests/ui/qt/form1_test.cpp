// Form1 as the user first sees it: its controls, their places at 96 and 120 DPI, fonts,
// colours and pointers, the start-up values, and its closing.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "caption_label.h"
#include "control_looks.h"
#include "conversion_batch.h"
#include "drop_area_pictures.h"
#include "form1.h"
#include "form1_layout.h"
#include "photo_intake.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

QWidget* control(Form1& form, const QString& name) {
    return form.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
}

QString textOf(QWidget* widget) {
    if (auto* label = qobject_cast<QLabel*>(widget)) return label->text();
    if (auto* box = qobject_cast<QLineEdit*>(widget)) return box->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    return {};
}

}  // namespace

class Form1Test : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void window();
    void controlsAt96Dpi_data();
    void controlsAt96Dpi();
    void labelsFitTheirCaption();
    void fontsColoursAndPointers();
    void movedToADenserScreen();
    void sameLayoutAt120Dpi();
    void startUpValues();
    void restoredResizeSwitch_data();
    void restoredResizeSwitch();
    void closingSavesTheOptionsAndEnds();

private:
    test::FakeWorld m_world;
};

void Form1Test::window() {
    Form1 form(m_world.services());
    form.show();
    QCOMPARE(form.windowTitle(), u"Quorvel"_s);
    QCOMPARE(form.size(), QSize(475, 244));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(form.acceptDrops());
    for (int size : {16, 32, 256, 512})
        QVERIFY(form.windowIcon().availableSizes().contains(QSize(size, size)));
    // Centred on its screen, give or take the frame that the window system adds once shown.
    const QPoint offCentre = form.frameGeometry().center() -
                             form.screen()->availableGeometry().center();
    QVERIFY2(offCentre.manhattanLength() <= 6, qPrintable(QDebug::toString(offCentre)));
    // The client area shows picBack1's picture from its top-left corner.
    // On a scaled screen both are in device pixels, the picture drawn for that density.
    const QImage shown = form.grab().toImage();
    const qreal ratio = form.devicePixelRatioF();
    const QImage normal = normalDropAreaPicture(ratio).toImage();
    for (QPoint at : {QPoint(200, 50), QPoint(0, 0), QPoint(474, 170), QPoint(250, 173)})
        QCOMPARE(shown.pixelColor(at * ratio), normal.pixelColor(at * ratio));
}

void Form1Test::controlsAt96Dpi_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("pixels");  // an empty size: the label fits its caption
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("enabled");
    auto row = [](const char* name, const QString& text, QRect pixels, bool shown,
                  bool enabled = true) {
        QTest::newRow(name) << QString::fromLatin1(name) << text << pixels << shown << enabled;
    };
    row("Label1", u"Please drag and drop Photos Here"_s, QRect(116, 140, 0, 0), true);
    row("Label7", u"Format:"_s, QRect(12, 190, 55, 15), true);
    row("lblFormat", u"JPG"_s, QRect(64, 190, 0, 0), true);
    row("Label2", u"Quality:"_s, QRect(102, 190, 57, 15), true);
    row("Text1", u"85"_s, QRect(158, 188, 33, 21), true);
    row("Label4", u"Photo Resize:"_s, QRect(206, 190, 0, 0), true);
    row("Label5", u"NO"_s, QRect(299, 190, 0, 0), true);
    row("txtResize", u"1600"_s, QRect(334, 188, 53, 21), true, false);
    row("Label6", u"(Width, px)"_s, QRect(392, 190, 0, 0), true);
    row("lblPath", u"Output Path (~/output)"_s, QRect(11, 216, 268, 14), true);
    row("Label3", u"example.com"_s, QRect(382, 218, 0, 0), true);
    row("Command1", u"Set Output Path(~/output by Default)"_s, QRect(831, 116, 149, 21), true);
    row("lstFile", QString(), QRect(126, 48, 75, 76), false);
    row("txtConvert", u"Text3"_s, QRect(336, 70, 69, 21), false);
    row("Text2", u"Text2"_s, QRect(50, 22, 263, 29), false);
    row("picBack1", QString(), QRect(410, 102, 476, 245), false);
    row("picBack2", QString(), QRect(378, 132, 476, 245), false);
}

void Form1Test::controlsAt96Dpi() {
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, pixels);
    QFETCH(bool, shown);
    QFETCH(bool, enabled);
    Form1 form(m_world.services());
    form.show();
    QWidget* widget = control(form, name);
    QVERIFY(widget);
    QCOMPARE(textOf(widget), text);
    QCOMPARE(widget->pos(), pixels.topLeft());
    if (!pixels.size().isEmpty()) QCOMPARE(widget->size(), pixels.size());
    QCOMPARE(widget->isVisible(), shown);
    QCOMPARE(widget->isEnabled(), enabled);
}

void Form1Test::labelsFitTheirCaption() {
    Form1 form(m_world.services());
    const Form1Controls& c = form.controls();
    c.lblFormat->setCaption(u"A much longer format"_s);
    QCOMPARE(c.lblFormat->size(), c.lblFormat->sizeHint());
    QCOMPARE(c.lblFormat->pos(), QPoint(64, 190));
    c.Label1->setCaption(u"Converting...1/3"_s);
    QCOMPARE(c.Label1->width(), c.Label1->sizeHint().width());
    c.lblPath->setCaption(u"/a/folder/with/a/long/name/that/goes/on/and/on/for/ever/more"_s);
    QCOMPARE(c.lblPath->width(), 268);
}

void Form1Test::fontsColoursAndPointers() {
    Form1 form(m_world.services());
    const Form1Controls& c = form.controls();
    const QStringList families{u"Verdana"_s, u"DejaVu Sans"_s};
    QVERIFY2(families.contains(QFontInfo(c.Label7->font()).family()),
             qPrintable(QFontInfo(c.Label7->font()).family()));
    QCOMPARE(c.Label1->font().pointSizeF(), 9.75);
    QVERIFY(c.Label1->font().bold());
    QVERIFY(c.Label1->alignment() & Qt::AlignHCenter);
    QVERIFY(c.Label3->alignment() & Qt::AlignRight);
    QCOMPARE(c.Label7->font().pointSizeF(), 9.0);
    QVERIFY(!c.Label7->font().underline());
    QCOMPARE(c.Label7->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    QCOMPARE(c.Text1->palette().color(QPalette::Base), QColor(Qt::black));
    QCOMPARE(c.Text1->palette().color(QPalette::Text), QColor(Qt::white));
    for (CaptionLabel* link : {c.lblFormat, c.Label5, c.lblPath, c.Label3}) {
        QVERIFY(link->font().underline());
        QCOMPARE(link->font().pointSizeF(), 9.0);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(255, 255, 255));
        QCOMPARE(link->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(link->cursor().hotSpot(), QPoint(6, 0));
        QCOMPARE(link->cursor().pixmap().size(), QSize(32, 32));
    }
    QCOMPARE(c.Label7->cursor().shape(), Qt::ArrowCursor);
}

void Form1Test::movedToADenserScreen() {
    Form1 form(m_world.services());
    const Form1Controls& c = form.controls();
    form.intake().Form_MouseMove(3500, 1000);  // over the emblem: the highlighted picture
    form.matchDevicePixelRatio(2);
    QVERIFY(form.pictures().showsHighlighted());
    for (QLabel* holder : {c.picBack1, c.picBack2}) {
        QCOMPARE(holder->pixmap().devicePixelRatio(), 2.0);
        QCOMPARE(holder->pixmap().deviceIndependentSize(), QSizeF(476, 245));
    }
    for (CaptionLabel* link : {c.lblFormat, c.Label5, c.lblPath, c.Label3}) {
        QCOMPARE(link->cursor().pixmap().size(), QSize(64, 64));
        QCOMPARE(link->cursor().hotSpot(), QPoint(12, 0));
    }
    form.matchDevicePixelRatio(1);
    QCOMPARE(c.picBack2->pixmap().devicePixelRatio(), 1.0);
    QCOMPARE(c.Label3->cursor().pixmap().size(), QSize(32, 32));
    QCOMPARE(c.Label3->cursor().hotSpot(), QPoint(6, 0));
}

void Form1Test::sameLayoutAt120Dpi() {
    Form1 at96(m_world.services());
    Form1 at120(m_world.services("/nonexistent/program", ScreenDensity{12, 12}));
    for (const ControlSpec& spec : kControls) {
        if (spec.kind == ControlKind::Timer) continue;
        const QString name = QString::fromUtf8(spec.name.data(), spec.name.size());
        QCOMPARE(control(at120, name)->pos(), control(at96, name)->pos());
        if (!spec.fitsCaption)
            QCOMPARE(control(at120, name)->size(), control(at96, name)->size());
    }
    QCOMPARE(at120.controls().Label1->font().pointSizeF(), 7.8);
    QCOMPARE(at120.controls().lblFormat->font().pointSizeF(), 7.2);
    QCOMPARE(at120.layoutTwips().geometry("Label7").Left, 144.0);
    QCOMPARE(at120.outerSize().width, 5712.0);
    QCOMPARE(at120.outerSize().height, 3272.0);
    QCOMPARE(at96.outerSize().width, 7140.0);
    QCOMPARE(at96.outerSize().height, 4090.0);
    QCOMPARE(at120.size(), QSize(475, 244));
}

void Form1Test::startUpValues() {
    m_world.settings.toRestore.reset();
    Form1 form(m_world.services());
    const Form1Controls& c = form.controls();
    QCOMPARE(form.batch().OutputFolder(), qEnvironmentVariable("HOME").toStdString() + "/output");
    QVERIFY(form.batch().ResizeArgument().empty());
    QVERIFY(form.batch().ConvertCommand().empty());
    QVERIFY(!c.timerRun->isActive());
    QCOMPARE(c.timerRun->interval(), 50);
    QCOMPARE(c.lstFile->count(), 0);
    QVERIFY(form.pictures().showsNormal());
    QVERIFY(!c.txtResize->isEnabled());
}

void Form1Test::restoredResizeSwitch_data() {
    QTest::addColumn<QString>("resizeSwitch");
    QTest::addColumn<bool>("widthEnabled");
    QTest::addRow("YES") << u"YES"_s << true;
    QTest::addRow("yes stays as written") << u"yes"_s << false;
    QTest::addRow("NO") << u"NO"_s << false;
}

void Form1Test::restoredResizeSwitch() {
    QFETCH(QString, resizeSwitch);
    QFETCH(bool, widthEnabled);
    m_world.settings.toRestore = QStringList{u"PNG"_s, u"90"_s, resizeSwitch, u"1024"_s};
    Form1 form(m_world.services());
    m_world.settings.toRestore.reset();
    const Form1Controls& c = form.controls();
    QCOMPARE(c.lblFormat->caption(), u"PNG"_s);
    QCOMPARE(c.Text1->text(), u"90"_s);
    QCOMPARE(c.Label5->caption(), resizeSwitch);
    QCOMPARE(c.txtResize->text(), u"1024"_s);
    QCOMPARE(c.txtResize->isEnabled(), widthEnabled);
}

void Form1Test::closingSavesTheOptionsAndEnds() {
    m_world.settings.saved.clear();
    Form1 form(m_world.services());
    QSignalSpy unloaded(&form, &Form1::unloaded);
    form.show();
    QVERIFY(form.close());
    QCOMPARE(m_world.settings.saved.size(), 1u);
    QCOMPARE(m_world.settings.saved.front(),
             (QStringList{u"JPG"_s, u"85"_s, u"NO"_s, u"1600"_s}));
    QCOMPARE(unloaded.count(), 1);
}

}  // namespace quorvel

QTEST_MAIN(quorvel::Form1Test)
#include "form1_test.moc"
