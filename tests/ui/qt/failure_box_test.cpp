// The failure summary's box stays on a 1280x1024 screen however many photos failed and however
// long their names are, and its details hold every entry.
#include <QApplication>
#include <QMessageBox>
#include <QTest>

#include "failure_summary.h"
#include "qt_user_messages.h"

using namespace Qt::StringLiterals;

namespace quorvel {

class FailureBoxTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void thirtyLongFailuresFitTheScreen();
};

void FailureBoxTest::thirtyLongFailuresFitTheScreen() {
    std::vector<EntryFailure> failures;
    for (int i = 0; i < 30; ++i)
        failures.push_back({"/home/someone/Pictures/" + std::string(90, 'x') + "_" +
                                std::to_string(i) + ".NEF",
                            FailureKind::ExitStatus, 3,
                            "convert.exe: the photo could not be decoded by any of the decoders"});
    const FailureSummary summary = composeFailureSummary(failures);
    const auto box = criticalBox(nullptr, QString::fromStdString(summary.text),
                                 QString::fromStdString(summary.details));
    box->show();
    QApplication::processEvents();
    QVERIFY2(box->width() <= 1280 && box->height() <= 1024,
             qPrintable(u"%1x%2"_s.arg(box->width()).arg(box->height())));
    QCOMPARE(box->windowTitle(), u"Quorvel"_s);
    QCOMPARE(box->icon(), QMessageBox::Critical);
    QCOMPARE(box->detailedText().count(u'\n'), 29);
    for (int i = 0; i < 30; ++i)
        QVERIFY(box->detailedText().contains(u"_%1.NEF: the photo could not be read"_s.arg(i)));
}

}  // namespace quorvel

QTEST_MAIN(quorvel::FailureBoxTest)
#include "failure_box_test.moc"
