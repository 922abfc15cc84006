#include "platform/event_pump.h"

#include <thread>

namespace quorvel::platform {

void sleepAtLeastUntil(EventPump::Clock::time_point deadline) {
    // Some runtimes (MinGW's) cut a sleep to whole milliseconds and wake early: round up and
    // check again.
    for (auto now = EventPump::Clock::now(); now < deadline; now = EventPump::Clock::now())
        std::this_thread::sleep_for(std::chrono::ceil<std::chrono::milliseconds>(deadline - now));
}

}  // namespace quorvel::platform
