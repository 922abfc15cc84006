// CommonDlgsW: its fields before and after the open, save and colour dialogs, with a scripted
// backend, and once through Qt's own file dialog.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <stdexcept>

#include "common_dlgs_w.h"
#include "dialog_filter.h"
#include "support/ui_fakes.h"

using namespace Qt::StringLiterals;

namespace quorvel {

class CommonDlgsWTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void freshObject();
    void filterBecomesQtNameFilters_data();
    void filterBecomesQtNameFilters();
    void requestCarriesTheFields();
    void confirmedPickWithNonAsciiPath();
    void cancelChangesNoField();
    void multiSelectKeepsTheRawBuffer();
    void noValidateCutsButLeavesTitles();
    void filterIndexIsNotTakenBack();
    void returnedFlagsAreKept();
    void overlongTextsFailBeforeAnyDialog_data();
    void overlongTextsFailBeforeAnyDialog();
    void colorWrite_data();
    void colorWrite();
    void showColor();
    void qtOpenDialogReturnsTheFullPath();

private:
    test::ScriptedDialogs m_backend;
};

void CommonDlgsWTest::freshObject() {
    CommonDlgsW dialogs(m_backend);
    QCOMPARE(dialogs.Filter, u"All files (*.*)|*.*"_s);
    QCOMPARE(dialogs.FilterIndex, 1);
    QCOMPARE(dialogs.MaxFileSize, 256);
    QCOMPARE(dialogs.Color(), 0xC0C0C0u);
    QCOMPARE(dialogs.Flags, 0);
    for (const QString* field : {&dialogs.DefaultExt, &dialogs.DialogTitle, &dialogs.Title,
                                 &dialogs.FileName, &dialogs.FileTitle, &dialogs.InitDir})
        QVERIFY(field->isEmpty());
}

void CommonDlgsWTest::filterBecomesQtNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("three pairs")
        << u"Pictures|*.jpg;*.png|Raw|*.nef|Text (*.txt)|*.txt"_s
        << QStringList{u"Pictures (*.jpg *.png)"_s, u"Raw (*.nef)"_s,
                       u"Text (*.txt) (*.txt)"_s};
    QTest::addRow("all files match names without a dot")
        << u"All Files(*.*)|*.*"_s << QStringList{u"All Files(*.*) (*)"_s};
    QTest::addRow("a description without a pattern is left out")
        << u"Raw|*.nef|Dangling"_s << QStringList{u"Raw (*.nef)"_s};
    QTest::addRow("an empty pattern is left out")
        << u"Nothing||Raw|*.nef"_s << QStringList{u"Raw (*.nef)"_s};
    QTest::addRow("empty") << QString() << QStringList{};
}

void CommonDlgsWTest::filterBecomesQtNameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filter), expected);
}

void CommonDlgsWTest::requestCarriesTheFields() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Filter = u"Raw|*.nef|HEIC|*.heic"_s;
    dialogs.FilterIndex = 2;
    dialogs.FileName = u"/photos/start.nef"_s;
    dialogs.InitDir = u"/photos"_s;
    dialogs.DialogTitle = u"Pick one"_s;
    dialogs.DefaultExt = u"nef"_s;
    dialogs.Flags = 0x1000;
    m_backend.requests.clear();
    QVERIFY(!dialogs.ShowSave(nullptr));
    QCOMPARE(m_backend.requests.size(), 1u);
    const FileDialogRequest& r = m_backend.requests.back();
    QCOMPARE(r.nameFilters, (QStringList{u"Raw (*.nef)"_s, u"HEIC (*.heic)"_s}));
    QCOMPARE(r.filterIndex, 2);
    QCOMPARE(r.fileName, u"/photos/start.nef"_s);
    QCOMPARE(r.initialFolder, u"/photos"_s);
    QCOMPARE(r.caption, u"Pick one"_s);
    QCOMPARE(r.defaultExtension, u"nef"_s);
    QCOMPARE(r.flags, 0x1000);
}

void CommonDlgsWTest::confirmedPickWithNonAsciiPath() {
    CommonDlgsW dialogs(m_backend);
    const QString path = u"/home/jö/Фото/日本 photo ✓.heic"_s;
    m_backend.pick({path});
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(dialogs.FileName, path);
    QCOMPARE(dialogs.FileTitle, u"日本 photo ✓.heic"_s);
    QCOMPARE(dialogs.Title, dialogs.FileTitle);
}

void CommonDlgsWTest::cancelChangesNoField() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Title = u"old title"_s;
    dialogs.Flags = 0x4;
    m_backend.cancel();
    QVERIFY(!dialogs.ShowOpen(nullptr));
    QCOMPARE(dialogs.FileName, QString());
    QCOMPARE(dialogs.FileTitle, QString());
    QCOMPARE(dialogs.Title, u"old title"_s);
    QCOMPARE(dialogs.Flags, 0x4);
}

void CommonDlgsWTest::multiSelectKeepsTheRawBuffer() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Flags = 0x200;
    dialogs.Title = u"kept"_s;
    m_backend.pick({u"/p/a.nef"_s, u"/p/b.nef"_s}, 0x200);
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(dialogs.FileName.size(), 256);
    const QString expected = u"/p\0a.nef\0b.nef\0"_s;
    QCOMPARE(dialogs.FileName.left(expected.size()), expected);
    QVERIFY(dialogs.FileName.mid(expected.size()).count(QChar(u'\0')) ==
            256 - expected.size());
    QCOMPARE(dialogs.FileTitle, QString());
    QCOMPARE(dialogs.Title, u"kept"_s);
}

void CommonDlgsWTest::noValidateCutsButLeavesTitles() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Flags = 0x100;
    dialogs.Title = u"kept"_s;
    m_backend.pick({u"/p/a.nef"_s}, 0x100);
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(dialogs.FileName, u"/p/a.nef"_s);
    QCOMPARE(dialogs.FileTitle, QString());
    QCOMPARE(dialogs.Title, u"kept"_s);
}

void CommonDlgsWTest::filterIndexIsNotTakenBack() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Filter = u"A|*.a|B|*.b|C|*.c"_s;
    dialogs.FilterIndex = 3;
    m_backend.pick({u"/p/x.a"_s});
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(dialogs.FilterIndex, 3);
}

void CommonDlgsWTest::returnedFlagsAreKept() {
    CommonDlgsW dialogs(m_backend);
    dialogs.Flags = 0x4;
    m_backend.pick({u"/p/x.a"_s}, 0x404);
    QVERIFY(dialogs.ShowSave(nullptr));
    QCOMPARE(dialogs.Flags, 0x404);
    QCOMPARE(dialogs.FileTitle, u"x.a"_s);
}

void CommonDlgsWTest::overlongTextsFailBeforeAnyDialog_data() {
    QTest::addColumn<int>("fileNameLength");
    QTest::addColumn<int>("initDirLength");
    QTest::addColumn<bool>("fails");
    QTest::addRow("file name of 256") << 256 << 0 << false;
    QTest::addRow("file name of 257") << 257 << 0 << true;
    QTest::addRow("folder of 256") << 0 << 256 << false;
    QTest::addRow("folder of 257") << 0 << 257 << true;
}

void CommonDlgsWTest::overlongTextsFailBeforeAnyDialog() {
    QFETCH(int, fileNameLength);
    QFETCH(int, initDirLength);
    QFETCH(bool, fails);
    CommonDlgsW dialogs(m_backend);
    dialogs.FileName = QString(fileNameLength, u'f');
    dialogs.InitDir = QString(initDirLength, u'd');
    m_backend.requests.clear();
    bool threw = false;
    try {
        dialogs.ShowOpen(nullptr);
    } catch (const std::invalid_argument&) {
        threw = true;
    }
    QCOMPARE(threw, fails);
    QCOMPARE(m_backend.requests.empty(), fails);
}

void CommonDlgsWTest::colorWrite_data() {
    QTest::addColumn<quint32>("written");
    QTest::addColumn<quint32>("stored");
    QTest::addRow("a plain colour") << 0x00123456u << 0x00123456u;
    // The scripted backend's system colour i is 0x010000 * i + 0x42.
    QTest::addRow("button face reference") << 0x8000000Fu << 0x000F0042u;
    QTest::addRow("only the low 16 bits index") << 0x80FF0005u << 0x00050042u;
}

void CommonDlgsWTest::colorWrite() {
    QFETCH(quint32, written);
    QFETCH(quint32, stored);
    CommonDlgsW dialogs(m_backend);
    dialogs.Color(written);
    QCOMPARE(dialogs.Color(), stored);
}

void CommonDlgsWTest::showColor() {
    CommonDlgsW dialogs(m_backend);
    m_backend.colorAnswer.reset();
    QVERIFY(!dialogs.ShowColor(nullptr));
    QCOMPARE(m_backend.lastInitialColor, 0xC0C0C0u);
    QCOMPARE(dialogs.Color(), 0xC0C0C0u);
    m_backend.colorAnswer = 0x00FF8000u;
    QVERIFY(dialogs.ShowColor(nullptr));
    QCOMPARE(dialogs.Color(), 0x00FF8000u);
}

// Qt's own dialog: the filter reaches it in Qt's form, and a path outside any 8-bit code page
// comes back whole.
void CommonDlgsWTest::qtOpenDialogReturnsTheFullPath() {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(u"Фото 日本.heic"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    CommonDlgsW dialogs(qtDialogBackend());  // the Qt backend
    dialogs.Filter = u"All Files(*.*)|*.*|HEIC(*.heic)|*.heic"_s;
    dialogs.FilterIndex = 2;
    dialogs.InitDir = dir.path();
    QStringList shownFilters;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shownFilters = dialog->nameFilters();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(shownFilters, (QStringList{u"All Files(*.*) (*)"_s, u"HEIC(*.heic) (*.heic)"_s}));
    QCOMPARE(dialogs.FileName, path);
    QCOMPARE(dialogs.FileTitle, u"Фото 日本.heic"_s);
}

}  // namespace quorvel

QTEST_MAIN(quorvel::CommonDlgsWTest)
#include "common_dlgs_w_test.moc"
