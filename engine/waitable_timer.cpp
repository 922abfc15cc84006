#include "waitable_timer.h"

namespace quorvel {

void clsWaitableTimer::Wait(int MilliSeconds) {
    using Clock = platform::EventPump::Clock;
    try {
        m_timerOpen = true;
        const auto due =
            Clock::now() + std::chrono::milliseconds(MilliSeconds > 0 ? MilliSeconds : 0);
        for (;;) {
            // A wake for events pumps them and sleeps again; the timer's own wake ends the wait
            // after one last pump, so events that came with it are handled too.
            const bool fired = m_pump.sleepUntil(due);
            m_pump.pumpOnce();
            if (fired) break;
        }
        m_timerOpen = false;
    } catch (const std::exception& error) {
        throw WaitError(std::string("[clsWaitableTimer.Wait]") + error.what());
    }
}

}  // namespace quorvel
