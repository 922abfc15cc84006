#pragma once
// The window's event loop as the engine sees it: one pass on demand, and a sleep that wakes
// early when events arrive for the thread.
#include <chrono>

namespace quorvel::platform {

class EventPump {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~EventPump() = default;
    // Handles every pending event once and returns.
    virtual void pumpOnce() = 0;
    // Sleeps until `deadline` or until events arrive, whichever comes first; it may handle the
    // events it woke for. Returns true once the deadline has passed.
    virtual bool sleepUntil(Clock::time_point deadline) = 0;
};

// Sleeps until `deadline` has passed, never returning early.
void sleepAtLeastUntil(EventPump::Clock::time_point deadline);

}  // namespace quorvel::platform
