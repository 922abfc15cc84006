// The drop area's cues and refusals: the hover rectangle, the prompt hidden by a drag, the
// busy marker, the open dialog of a click, and what a drop lists and arms. No converter runs
// here: the batches in these tests have nothing to convert.
#include "photo_intake.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include "caption_label.h"
#include "conversion_batch.h"
#include "drop_area_pictures.h"
#include "form1.h"
#include "qt_name_filters.h"
#include "support/ui_fakes.h"
#include "unicode_dialogs.h"

using namespace Qt::StringLiterals;

namespace quorvel {
namespace {

template <typename Event>
bool deliverDrag(Form1& form, const QMimeData& data) {
    Event event(QPoint(200, 60), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                Qt::NoModifier);
    QCoreApplication::sendEvent(&form, &event);
    return event.isAccepted();
}

}  // namespace

class PhotoIntakeTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void hoverRectangleBorders_data();
    void hoverRectangleBorders();
    void pointerMovesSwapThePictures();
    void movesOverTheLabelsStayWithThem();
    void busyMarkerRefusesClicksAndHover();
    void clickOpensTheDialogWithThePhotoFilter();
    void clickOnTheLabelsDoesNotOpenTheDialog();
    void cancelledDialogChangesNothing();
    void confirmedEmptyNameResetsThePicture();
    void dragOverHidesThePrompt();
    void dropListsLocalFilesInOrderAndArmsTheTimer();
    void dropWithoutFilesStillRunsAnEmptyBatch();
    void dropOnATextBoxIsTheWindowsDrop_data();
    void dropOnATextBoxIsTheWindowsDrop();

private:
    test::FakeWorld m_world;
    QTemporaryDir m_dir;
    std::unique_ptr<Form1> m_form;
};

void PhotoIntakeTest::init() {
    m_world = {};
    m_form = std::make_unique<Form1>(m_world.services());
    m_form->batch().OutputFolder(m_dir.filePath(u"output"_s).toStdString());
    m_form->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
}

void PhotoIntakeTest::cleanup() { m_form.reset(); }

void PhotoIntakeTest::hoverRectangleBorders_data() {
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<bool>("highlighted");
    QTest::addRow("inside") << 3000.f << 1000.f << true;
    QTest::addRow("left border") << 1900.f << 1000.f << false;
    QTest::addRow("just right of the left border") << 1900.5f << 1000.f << true;
    QTest::addRow("right border") << 5700.f << 1000.f << false;
    QTest::addRow("just left of the right border") << 5699.5f << 1000.f << true;
    QTest::addRow("top border") << 3000.f << 10.f << false;
    QTest::addRow("just below the top border") << 3000.f << 10.5f << true;
    QTest::addRow("bottom border") << 3000.f << 2500.f << false;
    QTest::addRow("just above the bottom border") << 3000.f << 2499.5f << true;
    QTest::addRow("option strip") << 3000.f << 3000.f << false;
}

void PhotoIntakeTest::hoverRectangleBorders() {
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(bool, highlighted);
    m_form->intake().Form_MouseMove(x, y);
    QCOMPARE(m_form->pictures().showsHighlighted(), highlighted);
    QCOMPARE(m_form->pictures().showsNormal(), !highlighted);
}

void PhotoIntakeTest::pointerMovesSwapThePictures() {
    QTest::mouseMove(m_form.get(), QPoint(200, 60));
    QTRY_VERIFY(m_form->pictures().showsHighlighted());
    QTest::mouseMove(m_form.get(), QPoint(201, 61));
    QVERIFY(m_form->pictures().showsHighlighted());
    QTest::mouseMove(m_form.get(), QPoint(20, 60));
    QTRY_VERIFY(m_form->pictures().showsNormal());
}

void PhotoIntakeTest::movesOverTheLabelsStayWithThem() {
    // Label1 lies inside the hover rectangle; a pointer over it is over the label.
    CaptionLabel* prompt = m_form->controls().Label1;
    QTest::mouseMove(m_form.get(), QPoint(20, 60));
    QTest::mouseMove(prompt, QPoint(10, 5));
    QTest::qWait(20);
    QVERIFY(m_form->pictures().showsNormal());
}

void PhotoIntakeTest::busyMarkerRefusesClicksAndHover() {
    m_form->controls().Label1->setCaption(u"Converting...1/3"_s);
    m_form->intake().Form_MouseMove(3000, 1000);
    QVERIFY(m_form->pictures().showsNormal());
    m_form->intake().Form_Click();
    QVERIFY(m_world.dialogs.requests.empty());
    // Only the first four characters count, in their case.
    m_form->controls().Label1->setCaption(u"conv"_s);
    m_form->intake().Form_MouseMove(3000, 1000);
    QVERIFY(m_form->pictures().showsHighlighted());
}

void PhotoIntakeTest::clickOpensTheDialogWithThePhotoFilter() {
    UnicodeDialogs->FileName = "left over";
    QTest::mouseClick(m_form.get(), Qt::LeftButton, {}, QPoint(60, 60));
    QTRY_COMPARE(m_world.dialogs.requests.size(), 1u);
    const FileDialogRecord& request = m_world.dialogs.requests.front();
    QCOMPARE(request.owner, static_cast<WindowHandle>(m_form.get()));
    QVERIFY(request.file == std::u16string(256, u'\0'));
    const QStringList nameFilters = qtNameFilters(request.filter);
    QCOMPARE(nameFilters.size(), 11);
    QCOMPARE(nameFilters.first(), u"All Files(*.*) (*)"_s);
    QCOMPARE(nameFilters[1], u"NEF - Nikon Digital SLR Camera Raw Image(*.NEF) (*.nef)"_s);
    QCOMPARE(nameFilters.last(), u"DNG - Digital Negative Image(*.dng) (*.dng)"_s);
    QCOMPARE(UnicodeDialogs->Filter, kPhotoFilter);
}

void PhotoIntakeTest::clickOnTheLabelsDoesNotOpenTheDialog() {
    const Form1Controls& c = m_form->controls();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{c.Label1, c.Label7, c.lblFormat, c.lblPath, c.Text1})
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::qWait(20);
    QVERIFY(m_world.dialogs.requests.empty());
}

void PhotoIntakeTest::cancelledDialogChangesNothing() {
    m_form->intake().Form_MouseMove(3000, 1000);
    m_world.dialogs.cancel();
    m_form->intake().Form_Click();
    QCOMPARE(m_world.dialogs.requests.size(), 1u);
    QVERIFY(m_form->pictures().showsHighlighted());
    QCOMPARE(m_form->controls().lstFile->count(), 0);
    QVERIFY(m_world.opener.folders.empty());
    QVERIFY(UnicodeDialogs->FileName.empty());
}

void PhotoIntakeTest::confirmedEmptyNameResetsThePicture() {
    m_form->intake().Form_MouseMove(3000, 1000);
    m_world.dialogs.pick({QString()});
    m_form->intake().Form_Click();
    QVERIFY(m_form->pictures().showsNormal());
    QCOMPARE(m_form->controls().lstFile->count(), 0);
    QVERIFY(m_world.opener.folders.empty());
}

void PhotoIntakeTest::dragOverHidesThePrompt() {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(u"/photos/a.NEF"_s)});
    CaptionLabel* prompt = m_form->controls().Label1;
    QVERIFY(deliverDrag<QDragEnterEvent>(*m_form, data));
    QVERIFY(prompt->isHidden());
    prompt->show();
    QVERIFY(deliverDrag<QDragMoveEvent>(*m_form, data));
    QVERIFY(prompt->isHidden());
    prompt->show();
    QDragLeaveEvent leave;
    QCoreApplication::sendEvent(m_form.get(), &leave);
    QVERIFY(prompt->isHidden());
    QVERIFY(!m_form->controls().timerRun->isActive());
}

void PhotoIntakeTest::dropListsLocalFilesInOrderAndArmsTheTimer() {
    m_form->intake().Form_MouseMove(3000, 1000);
    m_form->controls().Label5->setCaption(u"YES"_s);
    m_form->controls().txtResize->setText(u"800"_s);
    m_form->controls().lstFile->addItem(u"/photos/already listed.NEF"_s);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(u"/photos/c.NEF"_s), QUrl(u"https://example.com/x.jpg"_s),
                  QUrl::fromLocalFile(u"/photos/a b.heic"_s),
                  QUrl::fromLocalFile(u"/photos/Фото.dng"_s)});
    QDropEvent drop(QPointF(200, 60), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                    Qt::NoModifier);
    // The batch must not start inside the drop.
    m_form->controls().timerRun->blockSignals(true);
    deliverDrag<QDragEnterEvent>(*m_form, data);
    QCoreApplication::sendEvent(m_form.get(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QListWidget* list = m_form->controls().lstFile;
    QStringList listed;
    for (int i = 0; i < list->count(); ++i) listed << list->item(i)->text();
    QCOMPARE(listed, (QStringList{u"/photos/already listed.NEF"_s, u"/photos/c.NEF"_s,
                                  u"/photos/a b.heic"_s, u"/photos/Фото.dng"_s}));
    QVERIFY(m_form->controls().timerRun->isActive());
    QCOMPARE(m_form->controls().timerRun->interval(), 50);
    QVERIFY(m_form->pictures().showsNormal());
    QCOMPARE(m_form->batch().ResizeArgument(), " -resize 800");
    QVERIFY(QFileInfo(m_dir.filePath(u"output"_s)).isDir());
    m_form->controls().timerRun->stop();
    m_form->controls().timerRun->blockSignals(false);
    list->clear();
}

void PhotoIntakeTest::dropWithoutFilesStillRunsAnEmptyBatch() {
    QMimeData data;
    data.setText(u"just some text"_s);
    deliverDrag<QDragEnterEvent>(*m_form, data);
    QDropEvent drop(QPointF(200, 60), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(m_form.get(), &drop);
    QVERIFY(m_form->controls().timerRun->isActive());
    QTRY_COMPARE(m_world.opener.folders.size(), 1u);
    QCOMPARE(m_world.opener.folders.front(), m_dir.filePath(u"output"_s).toStdString());
    QVERIFY(!m_form->controls().timerRun->isActive());
    QCOMPARE(m_form->controls().Label1->caption(), u"Please drag and drop Photos Here"_s);
    // Nothing converted, so nothing showed the prompt again after the drag hid it.
    QVERIFY(m_form->controls().Label1->isHidden());
    QVERIFY(m_world.messages.texts.empty());
}

void PhotoIntakeTest::dropOnATextBoxIsTheWindowsDrop_data() {
    QTest::addColumn<QString>("box");
    QTest::addRow("quality") << u"Text1"_s;
    QTest::addRow("width, enabled") << u"txtResize"_s;
}

void PhotoIntakeTest::dropOnATextBoxIsTheWindowsDrop() {
    QFETCH(QString, box);
    auto* target = m_form->findChild<QLineEdit*>(box);
    QVERIFY(target);
    target->setEnabled(true);
    const QString before = target->text();
    target->setFocus();
    target->setCursorPosition(1);
    QVERIFY(!target->acceptDrops());
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(u"/photos/on the box.dng"_s)});
    m_form->controls().timerRun->blockSignals(true);
    // Sent to the box itself, as a drag that ends over it would be without our handling.
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(target->text(), before);
    QListWidget* list = m_form->controls().lstFile;
    QCOMPARE(list->count(), 1);
    QCOMPARE(list->item(0)->text(), u"/photos/on the box.dng"_s);
    QVERIFY(m_form->controls().timerRun->isActive());
    m_form->controls().timerRun->stop();
    m_form->controls().timerRun->blockSignals(false);
    list->clear();
}

}  // namespace quorvel

QTEST_MAIN(quorvel::PhotoIntakeTest)
#include "photo_intake_test.moc"
