// The Qt event pump that the runner and its wait use: events keep being handled while it
// sleeps, and the sleep ends at its deadline.
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include "qt_event_pump.h"
#include "waitable_timer.h"

namespace quorvel {
namespace {

using Clock = platform::EventPump::Clock;
using namespace std::chrono_literals;

}  // namespace

class QtEventPumpTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pumpOnceRunsWhatIsPending();
    void sleepEndsNoEarlierThanItsDeadline();
    void eventsRunWhileItSleeps();
    void pastDeadlineLeavesThePumpingToTheWait();
};

void QtEventPumpTest::pumpOnceRunsWhatIsPending() {
    bool ran = false;
    QMetaObject::invokeMethod(this, [&] { ran = true; }, Qt::QueuedConnection);
    QtEventPump().pumpOnce();
    QVERIFY(ran);
}

void QtEventPumpTest::sleepEndsNoEarlierThanItsDeadline() {
    QtEventPump pump;
    for (auto wait : {1ms, 20ms, 120ms}) {
        const auto deadline = Clock::now() + wait;
        bool passed = false;
        while (!passed) passed = pump.sleepUntil(deadline);
        QVERIFY(Clock::now() >= deadline);
    }
}

void QtEventPumpTest::eventsRunWhileItSleeps() {
    QtEventPump pump;
    bool sleeping = false;
    bool handledWhileSleeping = false;
    QTimer::singleShot(20, this, [&] { handledWhileSleeping = sleeping; });
    const auto deadline = Clock::now() + 300ms;
    sleeping = true;
    pump.sleepUntil(deadline);
    sleeping = false;
    QVERIFY(handledWhileSleeping);
}

void QtEventPumpTest::pastDeadlineLeavesThePumpingToTheWait() {
    // A wait of 0 ms pumps once, after its wake; a sleep past its deadline adds no pass.
    int ran = 0;
    QMetaObject::invokeMethod(this, [&] { ++ran; }, Qt::QueuedConnection);
    QtEventPump pump;
    QVERIFY(pump.sleepUntil(Clock::now() - 1ms));
    QCOMPARE(ran, 0);
    clsWaitableTimer(pump).Wait(0);
    QCOMPARE(ran, 1);
}

}  // namespace quorvel

QTEST_GUILESS_MAIN(quorvel::QtEventPumpTest)
#include "qt_event_pump_test.moc"
