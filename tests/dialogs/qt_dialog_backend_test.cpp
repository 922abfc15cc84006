// The Qt backend: the record's filter in Qt's form, the chosen files written into the record's
// buffers as the system's dialog writes them, and once through Qt's own file dialog.
#include "qt_dialog_backend.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "chosen_files.h"
#include "common_dlgs_w.h"
#include "file_dialog_buffers.h"
#include "qt_name_filters.h"

using namespace Qt::StringLiterals;

namespace quorvel {

class QtDialogBackendTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void filterBecomesQtNameFilters_data();
    void filterBecomesQtNameFilters();
    void chosenFilesFillTheBuffers_data();
    void chosenFilesFillTheBuffers();
    void qtOpenDialogReturnsTheFullPath();
    void cancelledQtDialogChangesNoField();
};

void QtDialogBackendTest::filterBecomesQtNameFilters_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    QTest::addRow("three pairs") << u"Pictures|*.jpg;*.png|Raw|*.nef|Text (*.txt)|*.txt"_s
                                 << QStringList{u"Pictures (*.jpg *.png)"_s, u"Raw (*.nef)"_s,
                                                u"Text (*.txt) (*.txt)"_s};
    QTest::addRow("all files match names without a dot")
        << u"All Files(*.*)|*.*"_s << QStringList{u"All Files(*.*) (*)"_s};
    QTest::addRow("a description without a pattern is left out")
        << u"Raw|*.nef|Dangling"_s << QStringList{u"Raw (*.nef)"_s};
    QTest::addRow("blank patterns are left out")
        << u"Blank| ; |Raw|*.nef"_s << QStringList{u"Raw (*.nef)"_s};
    QTest::addRow("an empty item ends the list")
        << u"Raw|*.nef|Nothing||HEIC|*.heic"_s << QStringList{u"Raw (*.nef)"_s};
    QTest::addRow("empty") << QString() << QStringList{};
}

void QtDialogBackendTest::filterBecomesQtNameFilters() {
    QFETCH(QString, filter);
    QFETCH(QStringList, expected);
    QCOMPARE(qtNameFilters(filterBuffer(filter.toStdString())), expected);
}

void QtDialogBackendTest::chosenFilesFillTheBuffers_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("title");
    QTest::addRow("one file") << QStringList{u"/p/Фото.nef"_s} << u"/p/Фото.nef\0"_s
                              << u"Фото.nef\0"_s;
    QTest::addRow("several files: the folder, then each name")
        << QStringList{u"/p/a.nef"_s, u"/p/b.nef"_s} << u"/p\0a.nef\0b.nef\0\0"_s << u"a.nef\0"_s;
}

void QtDialogBackendTest::chosenFilesFillTheBuffers() {
    QFETCH(QStringList, files);
    QFETCH(QString, file);
    QFETCH(QString, title);
    FileDialogRecord record;
    record.file = paddedBuffer(u"a longer name that was shown first.nef", 256);
    record.fileTitle = paddedBuffer({}, 256);
    writeChosenFiles(record, files);
    QCOMPARE(record.file.size(), 256u);
    QCOMPARE(QString::fromStdU16String(record.file.substr(0, file.size())), file);
    QCOMPARE(QString::fromStdU16String(record.fileTitle),
             title + QString(256 - title.size(), QChar(u'\0')));

    // A path longer than its buffer comes back whole.
    const QString longPath = u"/p/"_s + QString(300, u'x');
    writeChosenFiles(record, {longPath});
    QCOMPARE(QString::fromStdU16String(std::u16string(beforeFirstNul(record.file))), longPath);
}

// Qt's own dialog: the filter reaches it in Qt's form, and a path outside any 8-bit code page
// comes back whole.
void QtDialogBackendTest::qtOpenDialogReturnsTheFullPath() {
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(u"Фото 日本.heic"_s);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();

    CommonDlgsW dialogs(qtDialogBackend());
    dialogs.Filter = "All Files(*.*)|*.*|HEIC(*.heic)|*.heic";
    dialogs.FilterIndex = 2;
    dialogs.InitDir = dir.path().toStdString();
    QStringList shownFilters;
    QString selectedFilter;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        shownFilters = dialog->nameFilters();
        selectedFilter = dialog->selectedNameFilter();
        dialog->selectFile(path);
        QMetaObject::invokeMethod(dialog, &QDialog::accept);
    });
    QVERIFY(dialogs.ShowOpen(nullptr));
    QCOMPARE(shownFilters, (QStringList{u"All Files(*.*) (*)"_s, u"HEIC(*.heic) (*.heic)"_s}));
    QCOMPARE(selectedFilter, u"HEIC(*.heic) (*.heic)"_s);
    QCOMPARE(QString::fromStdString(dialogs.FileName), path);
    QCOMPARE(QString::fromStdString(dialogs.FileTitle), u"Фото 日本.heic"_s);
    QCOMPARE(dialogs.Title, dialogs.FileTitle);
}

void QtDialogBackendTest::cancelledQtDialogChangesNoField() {
    CommonDlgsW dialogs(qtDialogBackend());
    dialogs.FileName = "start.nef";
    dialogs.Title = "old";
    QTimer::singleShot(0, this, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            QMetaObject::invokeMethod(qobject_cast<QDialog*>(dialog), &QDialog::reject);
    });
    QVERIFY(!dialogs.ShowOpen(nullptr));
    QVERIFY(dialogs.FileName == "start.nef");
    QVERIFY(dialogs.Title == "old");
}

}  // namespace quorvel

QTEST_MAIN(quorvel::QtDialogBackendTest)
#include "qt_dialog_backend_test.moc"
