#include "qt_event_pump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace quorvel {

void QtEventPump::pumpOnce() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

bool QtEventPump::sleepUntil(Clock::time_point deadline) {
    const auto remaining =
        std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    if (remaining.count() > 0) {
        QEventLoop loop;
        QTimer due;
        due.setTimerType(Qt::PreciseTimer);
        due.setSingleShot(true);
        QObject::connect(&due, &QTimer::timeout, &loop, &QEventLoop::quit);
        due.start(remaining);
        loop.exec();
    }
    // A deadline already past needs no pumping here: the wait pumps once after every wake.
    return Clock::now() >= deadline;
}

QtEventPump& qtEventPump() {
    static QtEventPump pump;
    return pump;
}

}  // namespace quorvel
