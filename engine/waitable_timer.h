#pragma once
// clsWaitableTimer: pauses the window's thread while its events keep being handled.
#include <stdexcept>
#include <string>

#include "platform/event_pump.h"

namespace quorvel {

// An error raised inside Wait, its description prefixed by "[clsWaitableTimer.Wait]".
class WaitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class clsWaitableTimer {
public:
    explicit clsWaitableTimer(platform::EventPump& pump) : m_pump(pump) {}

    // Returns no earlier than MilliSeconds from now (a negative time counts as 0). Events are
    // pumped after every wake and once more after the due time. Each wait has its own timer.
    void Wait(int MilliSeconds);

    // True only while a Wait is in progress (or after one was left by an error).
    bool timerOpen() const { return m_timerOpen; }

private:
    platform::EventPump& m_pump;
    bool m_timerOpen = false;
};

}  // namespace quorvel
